// The conversion run on the main window.
#include "app/MainForm.h"

void TMainForm::tbtnStartClick() {}
void TMainForm::tbtnStopClick() {}
void TMainForm::imgStartClick() {}
void TMainForm::imgStopClick() {}
void TMainForm::timerTimeTimer() {}
void TMainForm::DisableForRun() {}
void TMainForm::EnableAfterRun() {}
