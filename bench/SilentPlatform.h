#pragma once
// A desktop for benchmarks: answers every dialog at once with "OK"/"cancel"
// and touches nothing on the desktop.
#include "platform/Platform.h"

class SilentPlatform : public Platform {
public:
    MessageAnswer showMessage(QWidget*, const QString&, const QString&, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::Ok;
    }
    QStringList openFileNames(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    bool browseForFolder(QWidget*, const QString&, const QString&, QString&) override { return false; }
    void openWithDesktop(QWidget*, const QString&) override {}
    void powerOff() override {}
    void showBalloonTip(QWidget*, const QString&, const QString&) override {}
};
