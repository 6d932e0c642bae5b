#include "platform/QtPlatform.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <QWidget>

#include "ui/BalloonTip.h"

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Information: break;
    }
    return QMessageBox::Information;
}

} // namespace

MessageAnswer QtPlatform::showMessage(QWidget* owner, const QString& caption, const QString& text,
                                      MessageIcon icon, MessageButtons buttons)
{
    QMessageBox box(toQtIcon(icon), caption, text,
                    buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No)
                                                     : QMessageBox::Ok,
                    owner);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return MessageAnswer::Cancel;
    }
}

QStringList QtPlatform::openFileNames(QWidget* owner, const QString& filter)
{
    return QFileDialog::getOpenFileNames(owner, QString(), QString(), filter);
}

QString QtPlatform::saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(owner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // The profile is written over without asking, as the settings dialog expects.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtPlatform::browseForFolder(QWidget* owner, const QString& title, const QString& root,
                                 QString& folder)
{
    if (!QFileInfo(folder).isDir())
        folder.clear();
    const QString start = folder.isEmpty() ? root : folder;
    const QString chosen = QFileDialog::getExistingDirectory(owner, title, start);
    if (chosen.isEmpty())
        return false;
    folder = QDir::toNativeSeparators(chosen);
    return true;
}

void QtPlatform::openWithDesktop(QWidget*, const QString& target)
{
    const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
    QDesktopServices::openUrl(url);
}

void QtPlatform::powerOff()
{
    // Interactive: the login manager may ask the user for permission.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call << true;
    QDBusConnection::systemBus().call(call, QDBus::NoBlock);
}

void QtPlatform::showBalloonTip(QWidget* target, const QString& title, const QString& text)
{
    BalloonTip::showFor(target, title, text);
}
