#pragma once
#include "ui/OwnedDialog.h"

class TMainForm;

// The About box: name, version, the maker's links.
class TAboutForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TAboutForm(TMainForm& mainForm);

private:
    TMainForm& mainForm_;
};
