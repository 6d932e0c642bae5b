#include "app/ProgramInfo.h"

#include <QApplication>
#include <QLabel>

#include "app/MainForm.h"

const ProgramIdentity& Identity()
{
    static const ProgramIdentity identity{
        QStringLiteral("Lumora iPhone Video Converter"),
        QStringLiteral("https://www.lumorasoft.example/"),
        QStringLiteral("Lumora Soft Studio"),
        QStringLiteral("https://www.lumorasoft.example/"),
        QStringLiteral("2008"),
        {{
            {QStringLiteral("Lumora DVD Ripper"), QStringLiteral("https://www.lumorasoft.example/dvd-ripper/")},
            {QStringLiteral("Lumora Audio Extractor"), QStringLiteral("https://www.lumorasoft.example/audio-extractor/")},
            {QStringLiteral("Lumora Video Joiner"), QStringLiteral("https://www.lumorasoft.example/video-joiner/")},
        }},
    };
    return identity;
}

QString ProgramNameLabelText(const QString& programName)
{
    const int blank = programName.indexOf(QLatin1Char(' '));
    return blank < 0 ? programName : programName.mid(blank + 1);
}

QString MainCaption(const QString& programName, const QString& versionText)
{
    return programName + QStringLiteral(" V") + versionText;
}

QString HelpFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("Clipstream.html");
}

void InitProgramInfo(TMainForm& form)
{
    const ProgramIdentity& identity = Identity();
    form.HelpFile = HelpFilePath(form.programFolder());
    QApplication::setApplicationName(identity.ProgramName);
    form.setWindowTitle(MainCaption(identity.ProgramName, form.versionText()));
    form.labProgramName->setText(ProgramNameLabelText(identity.ProgramName));
}
