#include "profiles/SettingForm.h"

#include "app/MainForm.h"

TSettingForm::TSettingForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("Settings"), 391, 498), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TSettingForm"));
}
