// Start-up of the main window in a temporary program folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "support/TestProgram.h"

TEST(Startup, FreshFolderGivesDefaultCaptionAndAnEmptyPreferencesFile)
{
    TestProgram program;
    TMainForm& main = program.start();

    EXPECT_EQ(main.windowTitle(), QStringLiteral("Lumora iPhone Video Converter V3.0"));
    EXPECT_EQ(main.labProgramName->text(), QStringLiteral("iPhone Video Converter"));
    EXPECT_EQ(main.edtOutputdir->text(), program.folder());
    EXPECT_EQ(main.encoderPath(), program.folder() + QStringLiteral("durodu.dll"));
    EXPECT_EQ(main.HelpFile, program.folder() + QStringLiteral("Clipstream.html"));
    const QFileInfo preferences(program.path(QStringLiteral("Preferences.ini")));
    ASSERT_TRUE(preferences.isFile());
    EXPECT_EQ(preferences.size(), 0);
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST(Startup, CaptionFollowsTheStoredVersion)
{
    const struct {
        QByteArray file;
        QString caption;
    } cases[] = {
        {"[Main]\r\nVersion=3.5\r\n", QStringLiteral("Lumora iPhone Video Converter V3.5")},
        {"[MAIN]\r\nversion=3.5\r\n", QStringLiteral("Lumora iPhone Video Converter V3.5")},
        {"[Main]\r\nVersion=\r\n", QStringLiteral("Lumora iPhone Video Converter V")},
        {"[Other]\r\nVersion=9\r\n", QStringLiteral("Lumora iPhone Video Converter V3.0")},
    };
    for (const auto& c : cases) {
        TestProgram program;
        program.writeFile(QStringLiteral("Preferences.ini"), c.file);
        EXPECT_EQ(program.start().windowTitle(), c.caption) << c.file.constData();
    }
}

TEST(Startup, UnusablePreferencesFileGivesOneMessageAndDefaults)
{
    TestProgram program;
    QDir().mkpath(program.path(QStringLiteral("Preferences.ini")));   // a folder of that name
    TMainForm& main = program.start();
    program.show();
    program.close();

    EXPECT_EQ(main.windowTitle(), QStringLiteral("Lumora iPhone Video Converter V3.0"));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_TRUE(program.Desktop.Messages[0].Text.contains(QStringLiteral("Preferences.ini")));
    EXPECT_TRUE(QFileInfo(program.path(QStringLiteral("Preferences.ini"))).isDir());
}

TEST(Startup, OpenDialogFilterListsAllPatternsFirst)
{
    TestProgram program;
    TMainForm& main = program.start();
    const QString patterns = QStringLiteral("*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;");
    EXPECT_EQ(main.supportedPatterns(), patterns);
    EXPECT_EQ(main.openDialogFilter(),
              QStringLiteral("All Support Files(") + patterns + QStringLiteral(")|") + patterns
                  + QStringLiteral("|AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MPEG Files (*.mpeg)|*.mpeg|"
                                   "MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|"
                                   "VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|All Files (*.*)|*.*"));
    const QStringList qtEntries = main.openDialogQtFilter().split(QStringLiteral(";;"));
    ASSERT_EQ(qtEntries.size(), 10);
    EXPECT_EQ(qtEntries.first(), QStringLiteral("All Support Files(") + patterns
                                     + QStringLiteral(") (*.avi *.mpg *.mpeg *.mp4 *.wmv *.mov *.vob *.asf)"));
    EXPECT_EQ(qtEntries.last(), QStringLiteral("All Files (*.*) (*.*)"));
}

TEST(Startup, FirstLayout)
{
    TestProgram program;
    TMainForm& main = program.start();
    EXPECT_EQ(main.size(), QSize(812, 547));
    EXPECT_FALSE(main.panBottomLeft->isVisibleTo(&main));
    EXPECT_EQ(main.panBottomLeft->width(), 637);
    EXPECT_EQ(main.panBottomCenter->width(), 637);
    const int widths[] = {230, 90, 80, 100};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(main.ltvTask->columnWidth(column), widths[column]);
    EXPECT_TRUE(main.ltvTask->header()->styleSheet().contains(QStringLiteral("rgb(202, 227, 255)")));
    EXPECT_TRUE(main.acceptDrops());
}
