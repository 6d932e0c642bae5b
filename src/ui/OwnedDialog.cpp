#include "ui/OwnedDialog.h"

#include <QHideEvent>
#include <QShowEvent>

OwnedDialog::OwnedDialog(QWidget* mainWindow, const QString& caption, int clientWidth, int clientHeight)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), mainWindow_(mainWindow)
{
    setWindowTitle(caption);
    setFixedSize(clientWidth, clientHeight);
}

void OwnedDialog::showOwned()
{
    if (mainWindow_ && mainWindow_->isVisible())
        move(mainWindow_->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void OwnedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (mainWindow_)
        mainWindow_->setEnabled(false);
    // Disabling the main window would disable this child window too.
    setEnabled(true);
}

void OwnedDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    FormClose();
    if (mainWindow_)
        mainWindow_->setEnabled(true);
}
