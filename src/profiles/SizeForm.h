#pragma once
#include "ui/OwnedDialog.h"

class TMainForm;

// Asks for the custom video size.
class TSizeForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TSizeForm(TMainForm& mainForm);

private:
    TMainForm& mainForm_;
};
