// Sections, output-folder buttons, About and Help.
#include "app/MainForm.h"

#include <QFileInfo>
#include <QLineEdit>

#include "ui/OutputFolderChoice.h"
#include "platform/Platform.h"
#include "ui/AboutForm.h"
#include "ui/CollapsibleSection.h"

void TMainForm::btnOutputClick()
{
    secOutput->toggle();
}

void TMainForm::btnVideoClick()
{
    secVideo->toggle();
}

void TMainForm::btnAudioClick()
{
    secAudio->toggle();
}

void TMainForm::btnAdvancedClick()
{
    secAdvanced->toggle();
}

void TMainForm::bbtnBrowserClick()
{
    ChooseOutputFolder(platform(), this, *edtOutputdir);
}

void TMainForm::bbtnOpenClick()
{
    const QString folder = edtOutputdir->text();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        platform().openWithDesktop(this, folder);
}

void TMainForm::tbtnAboutClick()
{
    if (!aboutForm_)
        aboutForm_ = new TAboutForm(*this);
    aboutForm_->showOwned();
}

void TMainForm::tbtnHelpClick()
{
    // A missing page shows nothing: the desktop's own "can't open" error
    // would be a message the program never meant to give.
    if (QFileInfo(HelpFile).isFile())
        platform().openWithDesktop(this, HelpFile);
}
