// The main window's chrome: the Start/Stop image buttons, the collapsible
// sections, the output-folder buttons and Help.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QTreeWidget>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "app/MainForm.h"
#include "support/TestProgram.h"
#include "ui/CollapsibleSection.h"
#include "ui/ImageButton.h"
#include "ui/ValueListGrid.h"

namespace {

void SendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button = Qt::NoButton)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Move(QWidget* target)
{
    SendMouse(target, QEvent::MouseMove);
}

void SendKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

class ShownWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = &program.start();
        program.show();
    }

    TestProgram program;
    TMainForm* main = nullptr;
};

} // namespace

using ImageButtons = ShownWindow;

TEST_F(ImageButtons, StateTableOfTheStartButton)
{
    ImageButton* start = main->imgStart;
    int clicks = 0;
    QObject::connect(start, &ImageButton::clicked, [&] { ++clicks; });
    const struct {
        const char* step;
        std::function<void()> act;
        int tag;
        bool redrawn;
        int clicks;
    } steps[] = {
        {"starts normal", [] {}, 0, false, 0},
        {"move onto it shows hover", [&] { Move(start); }, 1, true, 0},
        {"moving on it again redraws nothing", [&] { Move(start); }, 1, false, 0},
        {"press shows pressed", [&] { SendMouse(start, QEvent::MouseButtonPress, Qt::LeftButton); }, 2, true, 0},
        {"moving while pressed keeps pressed", [&] { Move(start); }, 2, false, 0},
        {"release shows hover and clicks", [&] { SendMouse(start, QEvent::MouseButtonRelease, Qt::LeftButton); },
         1, true, 1},
        {"a move over the panel behind restores normal", [&] { Move(main->Image3); }, 0, true, 1},
        {"another move there redraws nothing", [&] { Move(main->Image3); }, 0, false, 1},
        {"hover again", [&] { Move(start); }, 1, true, 1},
        {"a move over the bottom strip restores normal", [&] { Move(main->panBottomRight); }, 0, true, 1},
        {"a release without a press changes nothing",
         [&] { SendMouse(start, QEvent::MouseButtonRelease, Qt::LeftButton); }, 0, false, 1},
        {"a right press also shows pressed", [&] { SendMouse(start, QEvent::MouseButtonPress, Qt::RightButton); },
         2, true, 1},
        {"leaving elsewhere keeps the pressed picture", [&] { Move(main->ltvTask->viewport()); }, 2, false, 1},
    };
    for (const auto& step : steps) {
        const int before = start->pictureChanges();
        step.act();
        EXPECT_EQ(start->tag(), step.tag) << step.step;
        EXPECT_EQ(start->pictureChanges() != before, step.redrawn) << step.step;
        EXPECT_EQ(clicks, step.clicks) << step.step;
    }
    // The click with an empty list starts nothing.
    EXPECT_EQ(main->convertState(), 0);
    EXPECT_TRUE(main->imgStart->isVisible());
}

TEST_F(ImageButtons, HiddenButtonKeepsItsStateAndShownOneIsRestored)
{
    main->imgStop->showState(2);   // hidden, as before any run
    Move(main->imgStart);
    ASSERT_EQ(main->imgStart->tag(), 1);
    Move(main->Image3);
    EXPECT_EQ(main->imgStart->tag(), 0);
    EXPECT_EQ(main->imgStop->tag(), 2);
}

TEST_F(ImageButtons, KeyboardReachesAndClicksThem)
{
    ImageButton* start = main->imgStart;
    EXPECT_TRUE(start->focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(start->accessibleName(), QStringLiteral("Start"));
    EXPECT_EQ(main->imgStop->accessibleName(), QStringLiteral("Stop"));
    int clicks = 0;
    QObject::connect(start, &ImageButton::clicked, [&] { ++clicks; });
    for (int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)})
        SendKey(start, key);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(start->tag(), 0);   // the keyboard does not change the pictures
}

using Sections = ShownWindow;

TEST_F(Sections, CollapseAndExpandFromButtonHandlerAndTitle)
{
    const struct {
        CollapsibleSection* section;
        std::function<void()> toggle;
        int startHeight;
        int expanded;
    } cases[] = {
        {main->secOutput, [&] { main->btnOutputClick(); }, 54, 55},
        {main->secVideo, [&] { main->secVideo->button()->click(); }, 108, 109},
        {main->secAudio, [&] { SendMouse(main->secAudio->titlePanel(), QEvent::MouseButtonDblClick, Qt::LeftButton); },
         108, 109},
        {main->secAdvanced, [&] { main->btnAdvancedClick(); }, 36, 37},
    };
    for (const auto& c : cases) {
        ValueListGrid* grid = c.section->grid();
        const QString name = grid->objectName();
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->height(), c.startHeight) << name.toStdString();
        c.toggle();
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->height(), 1) << name.toStdString();
        EXPECT_EQ(c.section->button()->text(), QStringLiteral("+")) << name.toStdString();
        c.toggle();
        QCoreApplication::processEvents();
        EXPECT_EQ(grid->height(), c.expanded) << name.toStdString();
        EXPECT_EQ(c.section->button()->text(), QStringLiteral("-")) << name.toStdString();
    }
}

TEST(SectionsAndProfiles, LoadingAProfileLeavesTheButtonsAlone)
{
    TestProgram program;
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    ASSERT_GE(main.cmbProfile->count(), 2);
    main.btnVideoClick();
    ASSERT_EQ(main.secVideo->button()->text(), QStringLiteral("+"));
    main.cmbProfile->setCurrentIndex(1);
    main.cmbProfileChange();
    EXPECT_EQ(main.secVideo->button()->text(), QStringLiteral("+"));
    EXPECT_EQ(main.secAudio->button()->text(), QStringLiteral("-"));
}

using OutputFolder = ShownWindow;

TEST_F(OutputFolder, BrowseTakesTheChosenFolderWithOneSeparator)
{
    const struct {
        QString chosen;
        QString shown;
    } cases[] = {
        {QStringLiteral("/srv/videos"), QStringLiteral("/srv/videos/")},
        {QStringLiteral("/srv/videos/"), QStringLiteral("/srv/videos/")},
        {QStringLiteral("/"), QStringLiteral("/")},
        {QStringLiteral("/srv/name with blanks"), QStringLiteral("/srv/name with blanks/")},
    };
    for (const auto& c : cases) {
        program.Desktop.NextFolders.push_back(c.chosen);
        main->bbtnBrowser->click();
        EXPECT_EQ(main->edtOutputdir->text(), c.shown);
        EXPECT_EQ(program.Desktop.FolderTitles.last(), QStringLiteral("Select the output directory."));
    }
}

TEST_F(OutputFolder, CancelledBrowseLeavesTheText)
{
    main->edtOutputdir->setText(QStringLiteral("typed by hand"));
    main->bbtnBrowserClick();   // no answer queued: cancelled
    EXPECT_EQ(main->edtOutputdir->text(), QStringLiteral("typed by hand"));
    EXPECT_EQ(program.Desktop.FolderTitles.size(), 1);
}

TEST_F(OutputFolder, OpenOnlyOpensAnExistingFolder)
{
    const QString existing = program.folder();
    const QString file = program.path(QStringLiteral("Preferences.ini"));
    const struct {
        QString text;
        bool opened;
    } cases[] = {
        {existing, true},
        {program.path(QStringLiteral("missing")), false},
        {file, false},   // a file is not a folder
        {QString(), false},
    };
    for (const auto& c : cases) {
        program.Desktop.Opened.clear();
        main->edtOutputdir->setText(c.text);
        main->bbtnOpen->click();
        EXPECT_EQ(program.Desktop.Opened, c.opened ? QStringList{c.text} : QStringList{}) << c.text.toStdString();
    }
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

using Help = ShownWindow;

TEST_F(Help, MissingPageDoesNothingAndPresentPageOpens)
{
    main->SpeedButton2->click();
    EXPECT_TRUE(program.Desktop.Opened.isEmpty());
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
    EXPECT_TRUE(main->isEnabled());

    program.writeFile(QStringLiteral("Clipstream.html"), "<html></html>");
    main->tbtnHelpClick();
    EXPECT_EQ(program.Desktop.Opened, QStringList{program.path(QStringLiteral("Clipstream.html"))});
}

TEST(HelpPage, ShipsBesideTheProgram)
{
    // The build copies the page into the program folder.
    EXPECT_TRUE(QFileInfo(QStringLiteral(LUMORA_PROGRAM_DIR "/Clipstream.html")).isFile());
    QFile page(QStringLiteral(LUMORA_DATA_DIR "/Clipstream.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const char* words : {"Add File", "Add Dir", "New Filename", "Start Time", "End Time", "Settings",
                              "Start", "Stop", "Pause / Resume", "Profiles"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words;
}
