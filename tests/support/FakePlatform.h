#pragma once
// A platform that records every call and answers dialogs from queues, so
// window tests never block on a modal dialog and never touch the desktop.
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

#include "platform/Platform.h"

struct RecordedMessage {
    QString Caption;
    QString Text;
    MessageIcon Icon;
    MessageButtons Buttons;
};

class FakePlatform : public Platform {
public:
    MessageAnswer showMessage(QWidget* owner, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override;
    QStringList openFileNames(QWidget* owner, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& filter, const QString& defaultSuffix) override;
    bool browseForFolder(QWidget* owner, const QString& title, const QString& root, QString& folder) override;
    void openWithDesktop(QWidget* owner, const QString& target) override;
    void powerOff() override;
    void showBalloonTip(QWidget* target, const QString& title, const QString& text) override;

    // Answers for the next calls; when a queue is empty the dialog counts as cancelled
    // (message boxes answer Ok, or No for Yes/No questions).
    std::deque<MessageAnswer> NextAnswers;
    std::deque<QStringList> NextOpenFiles;
    std::deque<QString> NextSaveFiles;
    std::deque<QString> NextFolders;   // an empty text means "cancelled"

    QList<RecordedMessage> Messages;
    QStringList OpenFilters;
    QStringList SaveFilters;
    QStringList FolderTitles;
    QStringList Opened;
    int PowerOffRequests = 0;
    QStringList BalloonTexts;
};
