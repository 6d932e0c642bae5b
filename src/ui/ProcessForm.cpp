#include "ui/ProcessForm.h"

#include <QPushButton>

TProcessForm::TProcessForm(QWidget* mainWindow)
    : OwnedDialog(mainWindow, QStringLiteral("Process"), 650, 287)
{
    setObjectName(QStringLiteral("TProcessForm"));
    btnStop = new QPushButton(QStringLiteral("Stop"), this);
    btnStop->setObjectName(QStringLiteral("btnStop"));
    btnStop->setGeometry(520, 240, 75, 25);
}
