// The moments "Preferences.ini" is read and written: start-up, show, close.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/MainForm.h"
#include "profiles/SettingForm.h"
#include "support/ProfileTestKit.h"
#include "support/TestProgram.h"
#include "ui/ValueListGrid.h"

TEST(Preferences, MomentsOfOneRun)
{
    const struct {
        const char* name;
        const char* stored;   // nullptr: no file before the first start
        int profiles;
        int selected;         // the main window's profile after show
        const char* outputPath;
        int syn;
        bool openDir, exit, turnOff, overwrite;
        const char* afterClose;   // the whole file; %1 is the program folder
    } cases[] = {
        {"fresh folder, no profiles", nullptr, 0, -1, "%1", 0, true, false, false, true,
         "[Main]\nOverwrite=1\nAuto Turn Off=0\nAuto Exit=0\nAuto Open Dir=1\nSyn Mode=0\nOutput Path=%1\nProfile=-1\n"},
        {"fresh folder, three profiles", nullptr, 3, 0, "%1", 0, true, false, false, true,
         "[Main]\nOverwrite=1\nAuto Turn Off=0\nAuto Exit=0\nAuto Open Dir=1\nSyn Mode=0\nOutput Path=%1\nProfile=0\n"},
        {"stored profile beyond the list, overwrite as a word", "[Main]\nVersion=3.5\nProfile=7\nOverwrite=False\n", 3,
         -1, "%1", 0, true, false, false, false,
         "[Main]\nAuto Turn Off=0\nAuto Exit=0\nAuto Open Dir=1\nSyn Mode=0\nOutput Path=%1\nVersion=3.5\n"
         "Profile=-1\nOverwrite=0\n"},
        {"every key stored, mode beyond the list",
         "[Main]\nProfile=1\nOutput Path=/srv/videos/\nSyn Mode=5\nAuto Open Dir=0\nAuto Exit=1\n"
         "Auto Turn Off=True\nOverwrite=1\n[Default]\nSyn Mode=2\n",
         3, 1, "/srv/videos/", -1, false, true, true, true,
         "[Main]\nProfile=1\nOutput Path=/srv/videos/\nSyn Mode=-1\nAuto Open Dir=0\nAuto Exit=1\n"
         "Auto Turn Off=1\nOverwrite=1\n[Default]\nSyn Mode=2\n"},
        {"no profiles folder keeps the stored folder", "[Main]\nOutput Path=/srv/videos/\nProfile=0\n", 0, -1,
         "/srv/videos/", 0, true, false, false, true,
         "[Main]\nOverwrite=1\nAuto Turn Off=0\nAuto Exit=0\nAuto Open Dir=1\nSyn Mode=0\n"
         "Output Path=/srv/videos/\nProfile=-1\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestProgram program;
        const QString folder = program.folder();
        if (c.stored)
            program.writeFile(QStringLiteral("Preferences.ini"), Crlf(c.stored));
        for (int n = 0; n < c.profiles; ++n)
            WriteProfile(program, QStringLiteral("p%1.apf").arg(n), SmallProfile);
        TMainForm& main = program.start();
        TSettingForm& settings = *main.settingForm();

        EXPECT_EQ(settings.edtOutputDir->text(), QString::fromUtf8(c.outputPath).arg(folder));
        EXPECT_EQ(settings.cmbSyn->currentIndex(), c.syn);
        EXPECT_EQ(settings.chkOpenDir->isChecked(), c.openDir);
        EXPECT_EQ(settings.chkExit->isChecked(), c.exit);
        EXPECT_EQ(settings.chkTurnoff->isChecked(), c.turnOff);
        EXPECT_EQ(settings.rdbOverWrite->isChecked(), c.overwrite);
        EXPECT_EQ(settings.rdbRename->isChecked(), !c.overwrite);

        program.show();
        EXPECT_EQ(main.edtOutputdir->text(), QString::fromUtf8(c.outputPath).arg(folder));
        EXPECT_EQ(main.cmbProfile->count(), c.profiles);
        EXPECT_EQ(main.cmbProfile->currentIndex(), c.selected);
        // Nothing selected: nothing loaded, the first rows stay.
        EXPECT_EQ(main.OutputExtension, c.selected >= 0 ? QStringLiteral(".mkv") : QString());
        EXPECT_EQ(main.vleVideo->key(0), c.selected >= 0 ? QStringLiteral("Video Size") : QStringLiteral("Video Codec"));

        program.close();
        EXPECT_EQ(QString::fromUtf8(program.readFile(QStringLiteral("Preferences.ini"))),
                  QString::fromUtf8(Crlf(c.afterClose)).arg(folder));
        EXPECT_TRUE(program.Desktop.Messages.isEmpty());
    }
}

TEST(Preferences, CloseStoresTheMainWindowsFolderAndTheDialogsLiveControls)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    TSettingForm& settings = *main.settingForm();
    main.edtOutputdir->setText(QStringLiteral("/srv/main/"));
    settings.edtOutputDir->setText(QStringLiteral("/srv/dialog/"));
    settings.chkTurnoff->setChecked(true);
    settings.rdbRename->setChecked(true);
    settings.cmbSyn->setCurrentIndex(2);

    program.close();
    const QStringList lines = FileLines(program.readFile(QStringLiteral("Preferences.ini")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Output Path=/srv/main/")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Auto Turn Off=1")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Overwrite=0")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Syn Mode=2")));
}
