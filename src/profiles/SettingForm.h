#pragma once
#include "ui/OwnedDialog.h"

class TMainForm;

// The settings dialog: preferences on "General", profile defaults on "Profiles".
class TSettingForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TSettingForm(TMainForm& mainForm);

private:
    TMainForm& mainForm_;
};
