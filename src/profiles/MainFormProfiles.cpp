// Profiles, parameter grids and preferences on the main window.
#include "app/MainForm.h"

void TMainForm::FillProfileSelector() {}
void TMainForm::cmbProfileChange() {}
void TMainForm::vleVideoStringsChange() {}
void TMainForm::parameterGridMouseDown() {}
void TMainForm::RestorePreferences() {}
void TMainForm::SavePreferences() {}
void TMainForm::tbtnSettingClick() {}
void TMainForm::bbtnSettingClick() {}
