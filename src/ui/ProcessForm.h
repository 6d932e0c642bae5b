#pragma once
#include "ui/OwnedDialog.h"

class QPushButton;

// A dialog kept for the program's window set; nothing shows it.
class TProcessForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TProcessForm(QWidget* mainWindow);

    QPushButton* btnStop = nullptr;
};
