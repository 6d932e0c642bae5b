// The preview pane's handlers.
#include "app/MainForm.h"

void TMainForm::sbtnPlayClick() {}
void TMainForm::sbtnPauseClick() {}
void TMainForm::sbtnStopClick() {}
void TMainForm::ltvTaskDblClick() {}
void TMainForm::PlaySelectedTask() {}
