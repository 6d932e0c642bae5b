#include "support/ConversionTestKit.h"

#include <QComboBox>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "support/EventWait.h"
#include "support/ProfileTestKit.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"

bool WaitForRunEnd(TMainForm& main)
{
    return RunEventsUntil([&main] { return main.convertState() == 0; });
}

void WriteEncoderScript(const TestProgram& program, const QStringList& lines)
{
    program.writeFile(QStringLiteral("durodu.dll.script"), (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

QStringList ProgressScript(const QStringList& times, int pauseMs)
{
    QStringList script{QStringLiteral("print fake encoder version 1\\n"),
                       QStringLiteral("print   built for tests\\n")};
    for (const QString& time : times) {
        script << QStringLiteral("print frame=   10 fps=0.0 q=-1.0 size=  1kB time=%1 bitrate=  8.2kbits/s\\r")
                      .arg(time);
        if (pauseMs > 0)
            script << QStringLiteral("sleep %1").arg(pauseMs);
    }
    return script;
}

bool ChooseProfile(TMainForm& main, const QString& name)
{
    const int position = main.cmbProfile->findText(name);
    if (position < 0)
        return false;
    PickProfile(main.cmbProfile, position);
    return true;
}

QStringList Statuses(const TMainForm& main)
{
    QStringList statuses;
    for (int row = 0; row < main.ltvTask->topLevelItemCount(); ++row)
        statuses << QString::fromStdString(ReadTask(main, row).Status);
    return statuses;
}
