// The four ways of adding media to the task list.
#include "app/MainForm.h"

void TMainForm::AddTask(const QString&) {}
void TMainForm::AddFolder(const QString&) {}
void TMainForm::tbtnAddFileClick() {}
void TMainForm::tbtnAddDirClick() {}
void TMainForm::DropItems(const QStringList&) {}
void TMainForm::AddCommandLineInputs(const QStringList&) {}
