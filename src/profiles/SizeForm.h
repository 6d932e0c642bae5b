#pragma once
#include "ui/OwnedDialog.h"

class TMainForm;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the custom video size when "Custom Size" is picked in the main
// window's Video grid. The typed texts stay for the next opening.
class TSizeForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TSizeForm(TMainForm& mainForm);

    void btnOKClick();
    void btnCancelClick();

    QLabel* labWidth = nullptr;
    QLineEdit* edtWidth = nullptr;
    QLabel* labHeight = nullptr;
    QLineEdit* edtHeight = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    // A "Custom Size" left behind by Cancel or the close button becomes "Original Size".
    void FormClose() override;

private:
    // False (after telling the user and focusing the box) when the text is not a whole number.
    bool checkWholeNumber(QLineEdit* box, const QString& caption, const QString& text);

    TMainForm& mainForm_;
};
