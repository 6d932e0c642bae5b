#pragma once
// Everything the desktop does for the program: message boxes, file and folder
// pickers, opening folders/files/web addresses, power off, balloon tips.
// The real program uses QtPlatform; tests use a recording fake.
#include <QString>
#include <QStringList>

class QWidget;

enum class MessageIcon { Information, Question, Warning, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(QWidget* owner, const QString& caption, const QString& text,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // The chosen files in the dialog's own order; empty when cancelled.
    virtual QStringList openFileNames(QWidget* owner, const QString& filter) = 0;
    // The chosen file; empty when cancelled.
    virtual QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) = 0;
    // True and the chosen folder in `folder`, or false when cancelled.
    virtual bool browseForFolder(QWidget* owner, const QString& title, const QString& root,
                                 QString& folder) = 0;
    // Opens a folder, document or web address with the desktop; results are ignored.
    virtual void openWithDesktop(QWidget* owner, const QString& target) = 0;
    // Asks the login manager to power the machine off; results are ignored.
    virtual void powerOff() = 0;
    // Shows the window's reusable balloon tip on `target`.
    virtual void showBalloonTip(QWidget* target, const QString& title, const QString& text) = 0;
};
