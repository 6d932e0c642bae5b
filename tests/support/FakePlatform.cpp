#include "support/FakePlatform.h"

MessageAnswer FakePlatform::showMessage(QWidget*, const QString& caption, const QString& text, MessageIcon icon,
                                        MessageButtons buttons)
{
    Messages.push_back({caption, text, icon, buttons});
    if (!NextAnswers.empty()) {
        const MessageAnswer answer = NextAnswers.front();
        NextAnswers.pop_front();
        return answer;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

QStringList FakePlatform::openFileNames(QWidget*, const QString& filter)
{
    OpenFilters << filter;
    if (NextOpenFiles.empty())
        return {};
    QStringList files = NextOpenFiles.front();
    NextOpenFiles.pop_front();
    return files;
}

QString FakePlatform::saveFileName(QWidget*, const QString& filter, const QString&)
{
    SaveFilters << filter;
    if (NextSaveFiles.empty())
        return {};
    QString file = NextSaveFiles.front();
    NextSaveFiles.pop_front();
    return file;
}

bool FakePlatform::browseForFolder(QWidget*, const QString& title, const QString&, QString& folder)
{
    FolderTitles << title;
    if (NextFolders.empty())
        return false;
    const QString chosen = NextFolders.front();
    NextFolders.pop_front();
    if (chosen.isEmpty())
        return false;
    folder = chosen;
    return true;
}

void FakePlatform::openWithDesktop(QWidget*, const QString& target)
{
    Opened << target;
}

void FakePlatform::powerOff()
{
    ++PowerOffRequests;
}

void FakePlatform::showBalloonTip(QWidget*, const QString& title, const QString& text)
{
    BalloonTexts << title + QLatin1Char('|') + text;
}
