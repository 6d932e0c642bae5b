#include "profiles/SizeForm.h"

#include "app/MainForm.h"

TSizeForm::TSizeForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("Video Size of output files"), 240, 120), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TSizeForm"));
}
