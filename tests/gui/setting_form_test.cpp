// The settings dialog: its controls, the live preferences and the profile defaults.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>

#include "app/MainForm.h"
#include "profiles/SettingForm.h"
#include "profiles/SizeForm.h"
#include "support/ProfileTestKit.h"
#include "support/TestProgram.h"
#include "ui/CollapsibleSection.h"
#include "ui/ValueListGrid.h"

namespace {

// Two profiles, "Other" and "Small", the main window showing "Small".
struct SettingsProgram {
    TestProgram program;
    TMainForm* main = nullptr;
    TSettingForm* settings = nullptr;

    explicit SettingsProgram(const char* preferences = "[Main]\nProfile=1\n")
    {
        program.writeFile(QStringLiteral("Preferences.ini"), Crlf(preferences));
        WriteProfile(program, QStringLiteral("Small.apf"), SmallProfile);
        QByteArray other = Crlf(SmallProfile);
        other.replace("Type=mkv", "Type=ogv");
        program.writeFile(QStringLiteral("Profiles/Other.apf"), other);
        main = &program.start();
        program.show();
        settings = main->settingForm();
    }

    QByteArray file(const QString& name) const { return program.readFile(name); }
    QByteArray profile(const char* name) const
    {
        return file(QStringLiteral("Profiles/%1.apf").arg(QLatin1String(name)));
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const RecordedMessage& m : program.Desktop.Messages)
            texts << m.Caption + QLatin1Char('|') + m.Text;
        return texts;
    }
};

void setShown(ValueListGrid* grid, const char* key, const char* value)
{
    const int row = grid->findRow(QString::fromUtf8(key));
    ASSERT_GE(row, 0) << key;
    grid->setValue(row, QString::fromUtf8(value));
}

} // namespace

TEST(SettingForm, ControlsCaptionsAndPlaces)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(s.size(), QSize(391, 498));
    EXPECT_EQ(s.pgcSetting->geometry(), QRect(0, 5, 391, 442));
    EXPECT_EQ(s.pgcSetting->tabText(0), QStringLiteral("     General     "));
    EXPECT_EQ(s.pgcSetting->tabText(1), QStringLiteral("     Profiles     "));

    // Fitted controls keep their place but give way where the desktop's font
    // needs more room than the form was laid out for: check boxes grow to the
    // right, boxes beside a label give up room on their left.
    enum Fit { Exact, GrowsRight, ShrinksLeft };
    const struct {
        const char* name;
        QRect geometry;
        const char* text;   // nullptr: not checked
        Fit fit;
    } controls[] = {
        {"btnDefault", {16, 461, 89, 25}, "&Load Default", Exact},
        {"btnOK", {208, 461, 75, 25}, "&OK", Exact},
        {"btnCancel", {296, 461, 75, 25}, "&Cancel", Exact},
        {"edtOutputDir", {112, 16, 225, 21}, nullptr, ShrinksLeft},
        {"sbtnBrowse", {344, 16, 23, 22}, nullptr, Exact},
        {"cmbSyn", {124, 56, 245, 21}, nullptr, ShrinksLeft},
        {"chkOpenDir", {24, 128, 313, 17}, "Open the output directory when the task is completed. ", GrowsRight},
        {"chkExit", {24, 160, 337, 17}, "Exit the program when the task is completed.", GrowsRight},
        {"chkTurnoff", {24, 192, 281, 17}, "Turn off the computer when the task is completed.", GrowsRight},
        {"gpbOverWrite", {16, 240, 353, 105}, nullptr, Exact},
        {"rdbOverWrite", {24, 32, 305, 17}, "Overwrite", GrowsRight},
        {"rdbRename", {24, 67, 305, 17}, "Not overwrite (Rename to <Filename> + Index", GrowsRight},
        {"cmbProfile", {8, 7, 283, 21}, nullptr, Exact},
        {"btnSaveAs", {298, 4, 75, 25}, "&Save as...", Exact},
        {"ScrollBox1", {8, 36, 366, 373}, nullptr, Exact},
    };
    for (const auto& c : controls) {
        const auto* widget = s.findChild<QWidget*>(QString::fromUtf8(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        const QRect place = widget->geometry();
        switch (c.fit) {
        case Exact:
            EXPECT_EQ(place, c.geometry) << c.name;
            break;
        case GrowsRight:
            EXPECT_EQ(place.topLeft(), c.geometry.topLeft()) << c.name;
            EXPECT_EQ(place.height(), c.geometry.height()) << c.name;
            EXPECT_GE(place.width(), std::min(widget->sizeHint().width(), 340)) << c.name;
            EXPECT_GE(place.width(), c.geometry.width()) << c.name;
            break;
        case ShrinksLeft:
            EXPECT_EQ(place.topRight(), c.geometry.topRight()) << c.name;
            EXPECT_EQ(place.height(), c.geometry.height()) << c.name;
            EXPECT_GE(place.left(), c.geometry.left()) << c.name;
            break;
        }
        if (c.text) {
            EXPECT_EQ(widget->property("text").toString(), QString::fromUtf8(c.text)) << c.name;
        }
    }
    const auto* labOutputDir = s.findChild<QLabel*>(QStringLiteral("labOutputDir"));
    const auto* labSyn = s.findChild<QLabel*>(QStringLiteral("labSyn"));
    EXPECT_EQ(labOutputDir->text(), QStringLiteral("Default Output Path:"));
    EXPECT_EQ(labSyn->text(), QStringLiteral("Synchronization Mode:"));
    EXPECT_EQ(labSyn->pos(), QPoint(11, 59));
    EXPECT_LT(labOutputDir->x() + labOutputDir->sizeHint().width(), s.edtOutputDir->x());
    EXPECT_LT(labSyn->x() + labSyn->sizeHint().width(), s.cmbSyn->x());
    EXPECT_EQ(s.gpbOverWrite->title(), QStringLiteral("Output File Overwrite"));
    ASSERT_EQ(s.cmbSyn->count(), 3);
    EXPECT_EQ(s.cmbSyn->itemText(0), QStringLiteral("Auto"));
    EXPECT_EQ(s.cmbSyn->itemText(1), QStringLiteral("Force Mode"));
    EXPECT_EQ(s.cmbSyn->itemText(2), QStringLiteral("Progressive Mode"));
    // The dialog lists the main window's profiles in the same order.
    ASSERT_EQ(s.cmbProfile->count(), 2);
    EXPECT_EQ(s.cmbProfile->itemText(0), QStringLiteral("Other"));
    EXPECT_EQ(s.cmbProfile->itemText(1), QStringLiteral("Small"));

    for (CollapsibleSection* section : {s.secVideo, s.secAudio, s.secAdvanced}) {
        EXPECT_EQ(section->grid()->columnWidth(0), 160);
        EXPECT_EQ(section->titlePanel()->height(), 18);
        EXPECT_EQ(section->titlePanel()->palette().color(QPalette::Window),
                  section->palette().color(QPalette::Dark));
        EXPECT_EQ(section->button()->geometry(), QRect(5, 3, 12, 12));
        EXPECT_EQ(section->button()->text(), QStringLiteral("-"));
    }
    EXPECT_EQ(s.secVideo->titlePanel()->text(), QStringLiteral("      Video"));
    EXPECT_EQ(s.secAdvanced->button()->objectName(), QStringLiteral("btnAdvanced"));
}

TEST(SettingForm, OpensWithTheMainWindowsFolderOnTheAskedPageAndDisablesTheMainWindow)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    const QByteArray stored = p.file(QStringLiteral("Preferences.ini"));
    p.main->edtOutputdir->setText(QStringLiteral("/srv/now/"));

    p.main->tbtnSetting->trigger();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(p.main->isEnabled());
    EXPECT_EQ(s.pgcSetting->currentWidget(), s.tabGeneral);
    EXPECT_EQ(s.edtOutputDir->text(), QStringLiteral("/srv/now/"));
    EXPECT_EQ(s.cmbProfile->currentIndex(), -1);   // "Settings" leaves the Profiles page as it was

    s.chkOpenDir->setChecked(false);
    s.btnCancel->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(p.main->isEnabled());
    EXPECT_EQ(p.file(QStringLiteral("Preferences.ini")), stored);
    EXPECT_FALSE(s.chkOpenDir->isChecked());   // the live preference keeps the user's choice

    p.main->bbtnSetting->click();
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(p.main->isEnabled());
    EXPECT_EQ(s.pgcSetting->currentWidget(), s.tabProfiles);
    EXPECT_EQ(s.cmbProfile->currentText(), QStringLiteral("Small"));
    EXPECT_EQ(GridRows(s.vleVideo), (QStringList{"Video Size=Original Size", "Bit Rate=High"}));
    EXPECT_EQ(GridRows(s.vleAudio), QStringList{"Audio Codec=AAC"});
    EXPECT_EQ(s.vleVideo->height(), 2 * 18);

    // The dialog's load leaves the main window's output extension alone.
    PickProfile(s.cmbProfile, 0);
    EXPECT_EQ(p.main->OutputExtension, QStringLiteral(".mkv"));
    s.close();
    EXPECT_TRUE(p.main->isEnabled());

    p.program.close();
    EXPECT_TRUE(FileLines(p.file(QStringLiteral("Preferences.ini"))).contains(QStringLiteral("Auto Open Dir=0")));
    EXPECT_TRUE(p.program.Desktop.Messages.isEmpty());
}

TEST(SettingForm, OkStoresPreferencesAndTheProfilesNewDefaultsAndReloadsTheMainWindow)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    setShown(p.main->vleVideo, "Video Size", "640x480");   // an unsaved change on the main window
    p.main->bbtnSettingClick();
    s.edtOutputDir->setText(QStringLiteral("/srv/out/"));
    s.chkExit->setChecked(true);
    setShown(s.vleVideo, "Video Size", "640X480");       // letter case does not matter
    setShown(s.vleVideo, "Bit Rate", "Low");             // read-only: never written
    setShown(s.vleAdvanced, "Title", "typed text");

    s.btnOK->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_TRUE(p.main->isEnabled());
    EXPECT_EQ(p.main->edtOutputdir->text(), QStringLiteral("/srv/out/"));
    const QStringList preferences = FileLines(p.file(QStringLiteral("Preferences.ini")));
    EXPECT_TRUE(preferences.contains(QStringLiteral("Output Path=/srv/out/")));
    EXPECT_TRUE(preferences.contains(QStringLiteral("Auto Exit=1")));

    QByteArray expected = Crlf(SmallProfile);
    expected.replace("Value=,640x480,,\r\nIndex=0", "Value=,640x480,,\r\nIndex=1");
    expected.replace("Caption=hello\r\nValue=hello", "Caption=typed text\r\nValue=typed text");
    EXPECT_EQ(p.profile("Small"), expected);

    // Same profile on the main window: its grids show the new defaults.
    EXPECT_EQ(p.main->vleVideo->valueOf(QStringLiteral("Video Size")), QStringLiteral("640x480"));
    EXPECT_EQ(p.main->vleAdvanced->valueOf(QStringLiteral("Title")), QStringLiteral("typed text"));
    EXPECT_TRUE(p.messages().isEmpty()) << p.messages().join(QLatin1Char('\n')).toStdString();
}

TEST(SettingForm, NewDefaultCustomSizeAsksForTheSizeWithTheMainWindowStillDisabled)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    p.main->bbtnSettingClick();
    setShown(s.vleVideo, "Video Size", "Custom Size");
    // The reload makes "Video Size", the first row, current when its value is set.
    s.btnOK->click();
    EXPECT_FALSE(s.isVisible());
    ASSERT_TRUE(p.main->sizeForm()->isVisible());
    EXPECT_FALSE(p.main->isEnabled());
    p.main->sizeForm()->close();
    EXPECT_TRUE(p.main->isEnabled());
    EXPECT_EQ(p.main->vleVideo->valueOf(QStringLiteral("Video Size")), QStringLiteral("Original Size"));
}

TEST(SettingForm, OkWithAnotherProfileWritesThatProfileOnly)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    setShown(p.main->vleVideo, "Video Size", "640x480");
    const QByteArray small = p.profile("Small");
    p.main->bbtnSettingClick();
    PickProfile(s.cmbProfile, 0);
    setShown(s.vleAdvanced, "Title", "other title");

    s.btnOK->click();
    EXPECT_TRUE(p.profile("Other").contains("Caption=other title\r\nValue=other title\r\n"));
    EXPECT_EQ(p.profile("Small"), small);
    EXPECT_EQ(p.main->cmbProfile->currentText(), QStringLiteral("Small"));
    EXPECT_EQ(p.main->vleVideo->valueOf(QStringLiteral("Video Size")), QStringLiteral("640x480"));
}

TEST(SettingForm, OkRefusesAValueTheProfileCantKeepAndStaysOpen)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    const QByteArray small = p.profile("Small");
    p.main->bbtnSettingClick();
    setShown(s.vleAdvanced, "Title", "a [b] c");

    s.btnOK->click();
    EXPECT_EQ(p.profile("Small"), small);
    ASSERT_EQ(p.program.Desktop.Messages.size(), 1);
    EXPECT_EQ(p.program.Desktop.Messages[0].Caption, QStringLiteral("Profile"));
    EXPECT_TRUE(p.program.Desktop.Messages[0].Text.contains(QStringLiteral("a [b] c")));
    EXPECT_TRUE(s.isVisible());
    EXPECT_FALSE(p.main->isEnabled());
    s.btnCancel->click();
}

TEST(SettingForm, LoadDefaultAsksFirstAndReadsSectionDefault)
{
    const struct {
        const char* name;
        const char* preferences;
        MessageAnswer answer;
        const char* outputPath;   // %1: the program folder
        int syn;
        bool openDir, exit, turnOff, overwrite;
    } cases[] = {
        {"no section Default", "[Main]\nAuto Exit=1\nAuto Turn Off=1\nOverwrite=0\nSyn Mode=2\n", MessageAnswer::Yes,
         "%1", 0, false, false, false, true},
        {"section Default", "[Main]\nAuto Exit=1\n[Default]\nOutput Path=/srv/default/\nSyn Mode=1\n"
                            "Auto Open Dir=1\nAuto Exit=0\nAuto Turn Off=1\nOverwrite=0\n",
         MessageAnswer::Yes, "/srv/default/", 1, true, false, true, false},
        {"answered No", "[Main]\nAuto Exit=1\nSyn Mode=2\n[Default]\nSyn Mode=1\n", MessageAnswer::No, "/srv/typed/",
         2, true, true, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsProgram p(c.preferences);
        TSettingForm& s = *p.settings;
        p.main->tbtnSettingClick();
        s.edtOutputDir->setText(QStringLiteral("/srv/typed/"));
        const QByteArray stored = p.file(QStringLiteral("Preferences.ini"));
        p.program.Desktop.NextAnswers.push_back(c.answer);

        s.btnDefault->click();
        ASSERT_EQ(p.program.Desktop.Messages.size(), 1);
        const RecordedMessage& question = p.program.Desktop.Messages[0];
        EXPECT_EQ(question.Caption, QStringLiteral("Load Default"));
        EXPECT_EQ(question.Text, QStringLiteral("Are you sure to load the default preferences?"));
        EXPECT_EQ(question.Icon, MessageIcon::Question);
        EXPECT_EQ(question.Buttons, MessageButtons::YesNo);

        EXPECT_EQ(s.edtOutputDir->text(), QString::fromUtf8(c.outputPath).arg(p.program.folder()));
        EXPECT_EQ(s.cmbSyn->currentIndex(), c.syn);
        EXPECT_EQ(s.chkOpenDir->isChecked(), c.openDir);
        EXPECT_EQ(s.chkExit->isChecked(), c.exit);
        EXPECT_EQ(s.chkTurnoff->isChecked(), c.turnOff);
        EXPECT_EQ(s.rdbOverWrite->isChecked(), c.overwrite);
        EXPECT_EQ(s.rdbRename->isChecked(), !c.overwrite);
        // Nothing is written until OK or the close of the main window.
        s.btnCancel->click();
        EXPECT_EQ(p.file(QStringLiteral("Preferences.ini")), stored);
    }
}

TEST(SettingForm, BrowsePutsTheChosenFolderWithItsSeparator)
{
    const struct {
        const char* chosen;   // "": cancelled
        const char* shown;
    } cases[] = {{"/srv/videos", "/srv/videos/"}, {"/srv/videos/", "/srv/videos/"}, {"/", "/"}, {"", "/"}};
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    p.main->tbtnSettingClick();
    for (const auto& c : cases) {
        p.program.Desktop.NextFolders.push_back(QString::fromUtf8(c.chosen));
        s.sbtnBrowse->click();
        EXPECT_EQ(s.edtOutputDir->text(), QString::fromUtf8(c.shown)) << c.chosen;
    }
    EXPECT_EQ(p.program.Desktop.FolderTitles.first(), QStringLiteral("Select the output directory."));
    s.btnCancel->click();
}

TEST(SettingForm, SaveAsCopiesTheProfileWithTheShownValues)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    const QByteArray small = p.profile("Small");
    p.main->bbtnSettingClick();
    setShown(s.vleAdvanced, "Title", "copy title");
    setShown(s.vleVideo, "Video Size", "640x480");

    // Onto a new file, then over an existing one without a question.
    for (const QString& target : {p.program.path(QStringLiteral("Profiles/Copy.apf")),
                                  p.program.path(QStringLiteral("Profiles/Other.apf"))}) {
        p.program.Desktop.NextSaveFiles.push_back(target);
        s.btnSaveAs->click();
        QByteArray expected = small;
        expected.replace("Value=,640x480,,\r\nIndex=0", "Value=,640x480,,\r\nIndex=1");
        expected.replace("Caption=hello\r\nValue=hello", "Caption=copy title\r\nValue=copy title");
        EXPECT_EQ(p.file(target.mid(p.program.folder().size())), expected) << target.toStdString();
    }
    EXPECT_EQ(p.program.Desktop.SaveFilters.first(), QStringLiteral("Profiles (*.apf)"));
    EXPECT_EQ(p.profile("Small"), small);
    EXPECT_TRUE(p.program.Desktop.Messages.isEmpty());
    // Neither selector learns of the new file.
    EXPECT_EQ(s.cmbProfile->count(), 2);

    s.btnSaveAs->click();   // cancelled: nothing happens
    EXPECT_EQ(p.program.Desktop.Messages.size(), 0);
    s.btnCancel->click();
}

TEST(SettingForm, SaveAsWhoseCopyFailsWritesNothingAndSaysSo)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    const QByteArray small = p.profile("Small");
    p.main->bbtnSettingClick();
    setShown(s.vleAdvanced, "Title", "lost?");

    // A missing folder, and a "folder" that is a regular file.
    const QString targets[] = {p.program.path(QStringLiteral("missing/Copy.apf")),
                               p.program.path(QStringLiteral("Preferences.ini/Copy.apf"))};
    for (const QString& target : targets) {
        p.program.Desktop.Messages.clear();
        p.program.Desktop.NextSaveFiles.push_back(target);
        s.btnSaveAs->click();
        ASSERT_EQ(p.program.Desktop.Messages.size(), 1) << target.toStdString();
        EXPECT_EQ(p.program.Desktop.Messages[0].Caption, QStringLiteral("Profile"));
        EXPECT_TRUE(p.program.Desktop.Messages[0].Text.contains(target));
        EXPECT_FALSE(QFileInfo::exists(target));
        EXPECT_EQ(p.profile("Small"), small);
    }
    s.btnCancel->click();
}

TEST(SettingForm, SectionButtonsCollapseAndExpandButTheHeadersIgnoreDoubleClicks)
{
    SettingsProgram p;
    TSettingForm& s = *p.settings;
    p.main->bbtnSettingClick();
    ASSERT_EQ(s.vleAudio->rowCount(), 1);

    s.secVideo->button()->click();
    EXPECT_EQ(s.vleVideo->height(), 1);
    EXPECT_EQ(s.secVideo->button()->text(), QStringLiteral("+"));
    s.secVideo->button()->click();
    EXPECT_EQ(s.vleVideo->height(), 2 * 17 + 2 + 1);
    EXPECT_EQ(s.secVideo->button()->text(), QStringLiteral("-"));

    QLabel* header = s.secAudio->titlePanel();
    const QPoint at(40, 9);
    QMouseEvent press(QEvent::MouseButtonDblClick, at, header->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(header, &press);
    EXPECT_EQ(s.vleAudio->height(), 18);
    EXPECT_EQ(s.secAudio->button()->text(), QStringLiteral("-"));
    s.btnCancel->click();
}
