#pragma once
#include "ui/OwnedDialog.h"

class TMainForm;
class QFrame;
class QLabel;
class QPushButton;

// The About box: name, version, copyright, the maker's links. Its texts are
// fixed when it is created; it is shown without blocking and disables the
// main window while shown.
class TAboutForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TAboutForm(TMainForm& mainForm);

    // Each opens the address its label stands for with the desktop.
    void labWebsiteClick();
    void labMoreClick();
    void Label8Click();
    void Label9Click();
    void Label10Click();

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* labProgramName = nullptr;
    QLabel* labVersion = nullptr;
    QLabel* labCopyright = nullptr;
    QLabel* labVisitWebsite = nullptr;
    QLabel* labWebsite = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* labMore = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QPushButton* btnOK = nullptr;

private:
    void FormCreate();
    void open(const QString& address);

    TMainForm& mainForm_;
};
