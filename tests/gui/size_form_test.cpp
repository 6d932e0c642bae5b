// The custom video size dialog opened from the main window's Video grid.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/MainForm.h"
#include "profiles/SizeForm.h"
#include "support/ProfileTestKit.h"
#include "support/TestProgram.h"
#include "ui/ValueListGrid.h"

namespace {

const QString VideoSize = QStringLiteral("Video Size");

// A program showing SmallProfile, whose "Video Size" offers "Custom Size".
struct SizeProgram {
    TestProgram program;
    TMainForm* main = nullptr;
    TSizeForm* size = nullptr;

    SizeProgram()
    {
        WriteProfile(program, QStringLiteral("Small.apf"), SmallProfile);
        main = &program.start();
        program.show();
        size = main->sizeForm();
    }

    // Picks "Custom Size" from the drop-down list of the "Video Size" row, as a user does.
    void pickCustomSize()
    {
        ValueListGrid* grid = main->vleVideo;
        const int row = grid->findRow(VideoSize);
        grid->setCurrentGridRow(row);
        grid->edit(grid->model()->index(row, 1));
        auto* list = qobject_cast<QComboBox*>(grid->openEditor());
        ASSERT_NE(list, nullptr);
        const int choice = list->findText(QStringLiteral("Custom Size"));
        ASSERT_GE(choice, 0);
        list->setCurrentIndex(choice);
        emit list->activated(choice);
        QCoreApplication::processEvents();
    }

    void answer(const QString& width, const QString& height)
    {
        size->edtWidth->setText(width);
        size->edtHeight->setText(height);
        size->btnOK->click();
        QCoreApplication::processEvents();
    }

    QString videoSize() const { return main->vleVideo->valueOf(VideoSize); }
};

} // namespace

TEST(SizeForm, OpensOnlyWhileTheVideoSizeRowIsCurrent)
{
    SizeProgram p;
    EXPECT_EQ(p.size->windowTitle(), QStringLiteral("Video Size of output files"));
    ASSERT_FALSE(p.size->isVisible());

    // Another row current: "Custom Size" set by the program opens nothing.
    p.main->vleVideo->setCurrentGridRow(p.main->vleVideo->findRow(QStringLiteral("Bit Rate")));
    p.main->vleVideo->setValueOf(VideoSize, QStringLiteral("Custom Size"));
    EXPECT_FALSE(p.size->isVisible());
    p.main->vleVideo->setValueOf(VideoSize, QStringLiteral("Original Size"));

    p.pickCustomSize();
    EXPECT_TRUE(p.size->isVisible());
    EXPECT_FALSE(p.main->isEnabled());
}

TEST(SizeForm, CancelAndCloseLeaveOriginalSize)
{
    SizeProgram p;
    p.pickCustomSize();
    p.size->btnCancel->click();
    EXPECT_FALSE(p.size->isVisible());
    EXPECT_EQ(p.videoSize(), QStringLiteral("Original Size"));
    EXPECT_TRUE(p.main->isEnabled());

    p.pickCustomSize();
    p.size->close();
    EXPECT_EQ(p.videoSize(), QStringLiteral("Original Size"));
    EXPECT_TRUE(p.main->isEnabled());
}

TEST(SizeForm, AcceptsWholeNumbersExactlyAsTyped)
{
    const struct {
        const char* width;
        const char* height;
        const char* shown;
    } cases[] = {
        {"640", "480", "640x480"},
        {"-16", "0", "-16x0"},
        {"+320", "0240", "+320x0240"},
    };
    SizeProgram p;
    for (const auto& c : cases) {
        p.pickCustomSize();
        p.answer(QString::fromUtf8(c.width), QString::fromUtf8(c.height));
        EXPECT_FALSE(p.size->isVisible()) << c.shown;
        EXPECT_EQ(p.videoSize(), QString::fromUtf8(c.shown));
        EXPECT_TRUE(p.main->isEnabled());
    }
    EXPECT_TRUE(p.program.Desktop.Messages.isEmpty());
}

TEST(SizeForm, RefusesTextThatIsNoWholeNumberAndStaysOpen)
{
    const struct {
        const char* width;
        const char* height;
        const char* caption;
        const char* text;
        bool widthFocused;
    } cases[] = {
        {"abc", "480", "Incorrect Width", "Please specify a proper width for output videos.", true},
        {"640", "", "Incorrect Height", "Please specify a proper height for output videos.", false},
        {"6.5", "480", "Incorrect Width", "Please specify a proper width for output videos.", true},
        {"640", "48 0", "Incorrect Height", "Please specify a proper height for output videos.", false},
        {"99999999999", "1", "Incorrect Width", "Please specify a proper width for output videos.", true},
    };
    SizeProgram p;
    p.pickCustomSize();
    QApplication::setActiveWindow(p.size);
    for (const auto& c : cases) {
        p.program.Desktop.Messages.clear();
        p.answer(QString::fromUtf8(c.width), QString::fromUtf8(c.height));
        ASSERT_EQ(p.program.Desktop.Messages.size(), 1) << c.width << "x" << c.height;
        EXPECT_EQ(p.program.Desktop.Messages[0].Caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(p.program.Desktop.Messages[0].Text, QString::fromUtf8(c.text));
        EXPECT_EQ(p.program.Desktop.Messages[0].Icon, MessageIcon::Information);
        EXPECT_TRUE(p.size->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), c.widthFocused ? p.size->edtWidth : p.size->edtHeight);
        EXPECT_EQ(p.videoSize(), QStringLiteral("Custom Size"));
    }
    p.size->btnCancel->click();
    EXPECT_EQ(p.videoSize(), QStringLiteral("Original Size"));
}

TEST(SizeForm, KeepsTheTypedTextsForTheNextOpening)
{
    SizeProgram p;
    p.pickCustomSize();
    p.answer(QStringLiteral("720"), QStringLiteral("576"));
    p.pickCustomSize();
    ASSERT_TRUE(p.size->isVisible());
    EXPECT_EQ(p.size->edtWidth->text(), QStringLiteral("720"));
    EXPECT_EQ(p.size->edtHeight->text(), QStringLiteral("576"));
}
