#include "ui/OwnedDialog.h"

#include <QHideEvent>
#include <QShowEvent>

namespace {

// How many owned dialogs each main window has open: it is enabled again only
// when the last one closes (the size dialog can open over the settings dialog).
constexpr const char* OpenDialogsProperty = "lumoraOpenDialogs";

int changeOpenDialogs(QWidget* mainWindow, int delta)
{
    const int open = qMax(0, mainWindow->property(OpenDialogsProperty).toInt() + delta);
    mainWindow->setProperty(OpenDialogsProperty, open);
    return open;
}

} // namespace

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
    if (event->spontaneous() || shown_)
        return;
    shown_ = true;
    if (mainWindow_) {
        changeOpenDialogs(mainWindow_, +1);
        mainWindow_->setEnabled(false);
    }
    // Disabling the main window would disable this child window too.
    setEnabled(true);
}

void OwnedDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous() || !shown_)
        return;
    shown_ = false;
    FormClose();
    if (mainWindow_ && changeOpenDialogs(mainWindow_, -1) == 0)
        mainWindow_->setEnabled(true);
}
