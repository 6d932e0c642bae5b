// Sections, output-folder buttons, About and Help.
#include "app/MainForm.h"

void TMainForm::btnOutputClick() {}
void TMainForm::btnVideoClick() {}
void TMainForm::btnAudioClick() {}
void TMainForm::btnAdvancedClick() {}
void TMainForm::bbtnBrowserClick() {}
void TMainForm::bbtnOpenClick() {}
void TMainForm::tbtnAboutClick() {}
void TMainForm::tbtnHelpClick() {}
