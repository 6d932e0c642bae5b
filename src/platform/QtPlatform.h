#pragma once
#include "platform/Platform.h"

class QtPlatform : public Platform {
public:
    MessageAnswer showMessage(QWidget* owner, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override;
    QStringList openFileNames(QWidget* owner, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override;
    bool browseForFolder(QWidget* owner, const QString& title, const QString& root, QString& folder) override;
    void openWithDesktop(QWidget* owner, const QString& target) override;
    void powerOff() override;
    void showBalloonTip(QWidget* target, const QString& title, const QString& text) override;
};
