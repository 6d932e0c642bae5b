#pragma once
// A dialog created once at start and only hidden when closed. While it is
// shown the main window is disabled, so it acts modally without blocking the caller.
#include <QDialog>

class OwnedDialog : public QDialog {
    Q_OBJECT

public:
    OwnedDialog(QWidget* mainWindow, const QString& caption, int clientWidth, int clientHeight);

    // Shows without blocking, centred on the main window.
    void showOwned();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Runs when the dialog closes by any way, before the main window is enabled.
    virtual void FormClose() {}

private:
    QWidget* mainWindow_;
    bool shown_ = false;
};
