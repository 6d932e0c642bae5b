// Profiles loaded into the main window's parameter grids.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>

#include "app/MainForm.h"
#include "profiles/ProfileModel.h"
#include "support/ProfileTestKit.h"
#include "support/TestProgram.h"
#include "ui/ValueListGrid.h"

namespace {

ValueListGrid* gridOf(TMainForm& main, int group)
{
    ValueListGrid* const grids[] = {main.vleVideo, main.vleAudio, main.vleAdvanced};
    return grids[group - 1];
}

} // namespace

TEST(ProfileGrids, EveryShippedProfileFillsTheGridsOfItsGroups)
{
    TestProgram program;
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    const std::vector<ProfileEntry> entries = ListProfiles(program.folder().toStdString());
    ASSERT_EQ(main.cmbProfile->count(), static_cast<int>(entries.size()));
    ASSERT_GE(entries.size(), 8u);

    for (int position = 0; position < main.cmbProfile->count(); ++position) {
        PickProfile(main.cmbProfile, position);
        const std::string file = program.folder().toStdString() + "Profiles/" + entries[position].FileName;
        SCOPED_TRACE(file);
        const Profile profile = ReadProfile(file);
        EXPECT_EQ(main.cmbProfile->itemText(position).toStdString(), entries[position].DisplayName);
        EXPECT_EQ(main.OutputExtension.toStdString(), "." + profile.Type);

        int next[4] = {0, 0, 0, 0};
        for (const ProfileParameter& parameter : profile.Parameters) {
            ValueListGrid* grid = gridOf(main, parameter.Sort);
            const int row = next[parameter.Sort]++;
            ASSERT_LT(row, grid->rowCount()) << parameter.Name;
            EXPECT_EQ(grid->key(row).toStdString(), parameter.Name);
            if (parameter.List) {
                const std::vector<std::string> choices = parameter.Choices();
                QStringList expected;
                for (const std::string& choice : choices)
                    expected << QString::fromStdString(choice);
                EXPECT_EQ(grid->pickList(row), expected) << parameter.Name;
                EXPECT_EQ(grid->value(row).toStdString(), choices.at(parameter.Index)) << parameter.Name;
                EXPECT_TRUE(grid->rowReadOnly(row)) << parameter.Name;
                EXPECT_FALSE(grid->isFixedRow(row)) << parameter.Name;
            } else {
                EXPECT_FALSE(grid->isPickList(row)) << parameter.Name;
                EXPECT_EQ(grid->value(row).toStdString(), parameter.Caption) << parameter.Name;
                EXPECT_EQ(grid->isFixedRow(row), parameter.ReadOnly) << parameter.Name;
            }
        }
        for (int group = 1; group <= 3; ++group) {
            EXPECT_EQ(gridOf(main, group)->rowCount(), next[group]) << group;
            EXPECT_EQ(gridOf(main, group)->height(), std::max(1, next[group]) * 18) << group;
        }
    }
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST(ProfileGrids, OneProfileSeenAsTheUserSeesIt)
{
    TestProgram program;
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    const int position = main.cmbProfile->findText(QStringLiteral("iPhone 4 - 960x640"));
    ASSERT_GE(position, 0);
    PickProfile(main.cmbProfile, position);

    EXPECT_EQ(main.OutputExtension, QStringLiteral(".mp4"));
    EXPECT_EQ(GridRows(main.vleVideo),
              (QStringList{"Video Codec=H.264 (libx264)", "Video Size=960x640", "Bit Rate=1500 kbps",
                           "Frame Rate=Original", "Aspect=Original", "Disable Video=No"}));
    EXPECT_TRUE(main.vleVideo->isFixedRow(0));
    EXPECT_EQ(main.vleAudio->valueOf(QStringLiteral("audio bitrate")), QStringLiteral("128 kbps"));
    EXPECT_EQ(main.vleAdvanced->height(), 6 * 18);
}

TEST(ProfileGrids, ProfileWithoutAdvancedParametersLeavesOneBlankRowAndAnotherLoadsAfterIt)
{
    TestProgram program;
    WriteProfile(program, QStringLiteral("a.apf"),
                 "[Main]\nType=webm\nPara=1\n0=Only\n[Only]\nSort=1\nList=0\nCaption=x\n");
    WriteProfile(program, QStringLiteral("b.apf"), SmallProfile);
    TMainForm& main = program.start();
    program.show();   // the stored position 0 loads "a"

    EXPECT_EQ(main.OutputExtension, QStringLiteral(".webm"));
    EXPECT_EQ(GridRows(main.vleVideo), QStringList{"Only=x"});
    EXPECT_EQ(main.vleAdvanced->rowCount(), 0);
    EXPECT_EQ(main.vleAdvanced->height(), 18);
    EXPECT_EQ(main.vleAudio->height(), 18);

    PickProfile(main.cmbProfile, 1);
    EXPECT_EQ(main.OutputExtension, QStringLiteral(".mkv"));
    EXPECT_EQ(GridRows(main.vleVideo), (QStringList{"Video Size=Original Size", "Bit Rate=High"}));
    EXPECT_EQ(GridRows(main.vleAdvanced), QStringList{"Title=hello"});
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST(ProfileGrids, DefectiveProfileKeepsTheRowsBeforeTheDefectAndSaysWhichParameter)
{
    TestProgram program;
    WriteProfile(program, QStringLiteral("Broken.apf"),
                 "[Main]\nType=avi\nPara=3\n0=Codec\n1=Size\n2=Rate\n"
                 "[Codec]\nSort=1\nList=1\nCaption=A,B,\nValue=a,b,\nIndex=1\n"
                 "[Size]\nSort=1\nList=1\nCaption=S,M,\nValue=s,m,\nIndex=2\n"
                 "[Rate]\nSort=2\nList=0\nCaption=1\n");
    TMainForm& main = program.start();
    program.show();

    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    const RecordedMessage& message = program.Desktop.Messages[0];
    EXPECT_EQ(message.Caption, QStringLiteral("Profile"));
    EXPECT_TRUE(message.Text.contains(QStringLiteral("Profiles/Broken.apf"))) << message.Text.toStdString();
    EXPECT_TRUE(message.Text.contains(QStringLiteral("\"Size\""))) << message.Text.toStdString();
    EXPECT_EQ(GridRows(main.vleVideo), QStringList{"Codec=B"});
    EXPECT_EQ(main.vleAudio->rowCount(), 0);
    EXPECT_EQ(main.vleVideo->height(), 18);
    EXPECT_EQ(main.OutputExtension, QStringLiteral(".avi"));
}

TEST(ProfileGrids, ProfileDeletedAfterStartChangesNothingWhenPicked)
{
    TestProgram program;
    WriteProfile(program, QStringLiteral("a.apf"), SmallProfile);
    WriteProfile(program, QStringLiteral("b.apf"), "[Main]\nType=avi\nPara=1\n0=Other\n[Other]\nSort=1\nList=0\n");
    TMainForm& main = program.start();
    program.show();
    ASSERT_TRUE(QFile::remove(program.path(QStringLiteral("Profiles/b.apf"))));
    const QStringList before = GridRows(main.vleVideo);

    PickProfile(main.cmbProfile, 1);
    EXPECT_EQ(main.cmbProfile->currentText(), QStringLiteral("b"));
    EXPECT_EQ(GridRows(main.vleVideo), before);
    EXPECT_EQ(main.OutputExtension, QStringLiteral(".mkv"));
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST(ProfileGrids, ProfileListedWithUpperCaseExtensionIsOpenedUnderThatName)
{
    TestProgram program;
    WriteProfile(program, QStringLiteral("Loud.APF"), SmallProfile);
    TMainForm& main = program.start();
    ASSERT_EQ(main.cmbProfile->count(), 1);
    EXPECT_EQ(main.cmbProfile->itemText(0), QStringLiteral("Loud"));
    EXPECT_EQ(main.cmbProfile->currentIndex(), -1);   // none selected until shown
    program.show();
    EXPECT_EQ(main.OutputExtension, QStringLiteral(".mkv"));
    EXPECT_EQ(main.vleAdvanced->valueOf(QStringLiteral("Title")), QStringLiteral("hello"));
}
