// The About box: its texts, its links and how it holds the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QWindow>
#include <functional>

#include "app/MainForm.h"
#include "app/ProgramInfo.h"
#include "support/TestProgram.h"
#include "ui/AboutForm.h"

namespace {

void ClickLabel(QLabel* label)
{
    const QPointF at(label->width() / 2.0, label->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(label, &release);
}

} // namespace

TEST(AboutBox, TextsAreFixedAtCreation)
{
    TestProgram program;
    program.writeFile(QStringLiteral("Preferences.ini"), "[Main]\r\nVersion=3.5\r\n");
    TMainForm& main = program.start();
    TAboutForm& about = *main.aboutForm();
    const ProgramIdentity& identity = Identity();

    EXPECT_EQ(about.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(about.size(), QSize(476, 330));
    EXPECT_EQ(about.labProgramName->text(), identity.ProgramName);
    EXPECT_EQ(about.labProgramName->geometry().right() + 1, 460);
    EXPECT_TRUE(about.labProgramName->font().bold());
    EXPECT_TRUE(about.labProgramName->font().italic());
    EXPECT_EQ(about.labProgramName->font().pixelSize(), 17);
    EXPECT_EQ(about.labVersion->text(), QStringLiteral("Version 3.5"));
    EXPECT_EQ(about.labVisitWebsite->text(), QStringLiteral("Visit our website"));
    EXPECT_EQ(about.labWebsite->text(), identity.HomePage);
    EXPECT_TRUE(about.labWebsite->font().underline());
    EXPECT_EQ(about.Label7->text(), QStringLiteral("More video converting softwares"));
    EXPECT_EQ(about.labMore->text(), QStringLiteral("(More)"));
    const QLabel* products[] = {about.Label8, about.Label9, about.Label10};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(products[i]->text(), identity.OtherProducts[i].Name);
    EXPECT_EQ(about.btnOK->text(), QStringLiteral("&OK"));
    // No link runs into the text before it, whatever the font.
    EXPECT_LT(about.labVisitWebsite->geometry().right(), about.labWebsite->x());
    EXPECT_LT(about.Label7->geometry().right(), about.labMore->x());

    program.writeFile(QStringLiteral("Preferences.ini"), "[Main]\r\nVersion=9.9\r\n");
    main.tbtnAboutClick();
    EXPECT_EQ(about.labVersion->text(), QStringLiteral("Version 3.5"));
    about.close();
}

TEST(AboutBox, EachLinkOpensItsAddressWithTheAboutBoxAsOwner)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    TAboutForm& about = *main.aboutForm();
    main.SpeedButton1->click();
    ASSERT_TRUE(about.isVisible());

    const ProgramIdentity& identity = Identity();
    const struct {
        QLabel* label;
        QString address;
    } links[] = {
        {about.labWebsite, about.labWebsite->text()},   // exactly the text it shows
        {about.labMore, identity.MoreSoftwareLink},
        {about.Label8, identity.OtherProducts[0].Address},
        {about.Label9, identity.OtherProducts[1].Address},
        {about.Label10, identity.OtherProducts[2].Address},
    };
    for (const auto& link : links) {
        program.Desktop.Opened.clear();
        ClickLabel(link.label);
        EXPECT_EQ(program.Desktop.Opened, QStringList{link.address}) << link.label->objectName().toStdString();
        EXPECT_EQ(link.label->cursor().shape(), Qt::PointingHandCursor);
    }
    // Clicking the plain texts opens nothing.
    program.Desktop.Opened.clear();
    for (QLabel* plain : {about.labVisitWebsite, about.Label7, about.labVersion, about.labProgramName})
        ClickLabel(plain);
    EXPECT_TRUE(program.Desktop.Opened.isEmpty());
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
    about.close();
}

TEST(AboutBox, DisablesTheMainWindowUntilClosedEitherWay)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    TAboutForm& about = *main.aboutForm();

    const struct {
        const char* how;
        std::function<void()> close;
    } closings[] = {
        {"OK", [&] { about.btnOK->click(); }},
        {"the window's close button", [&] { about.windowHandle()->close(); }},
        {"Escape", [&] {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&about, &escape);
         }},
    };
    for (const auto& closing : closings) {
        main.tbtnAboutClick();
        QCoreApplication::processEvents();
        EXPECT_TRUE(about.isVisible()) << closing.how;
        EXPECT_FALSE(main.isEnabled()) << closing.how;
        EXPECT_TRUE(about.isEnabled()) << closing.how;
        closing.close();
        QCoreApplication::processEvents();
        EXPECT_FALSE(about.isVisible()) << closing.how;
        EXPECT_TRUE(main.isEnabled()) << closing.how;
    }
    // Hidden, not destroyed: the same box comes back.
    main.tbtnAboutClick();
    EXPECT_EQ(main.aboutForm(), &about);
    about.close();
}
