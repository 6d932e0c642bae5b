#include "ui/AboutForm.h"

#include "app/MainForm.h"

TAboutForm::TAboutForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("About"), 476, 330), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TAboutForm"));
}
