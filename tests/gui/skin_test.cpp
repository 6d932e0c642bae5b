// The built-in skin: it loads cleanly, skins the ordinary controls, and leaves
// the white strips, the flat buttons and the grids' own drawing alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QToolButton>

#include "app/MainForm.h"
#include "support/TestProgram.h"
#include "ui/Skin.h"
#include "ui/ValueListGrid.h"

namespace {

QStringList g_warnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << text;
}

// The skin for the life of the object; the suite's other tests run unskinned.
class SkinApplied {
public:
    SkinApplied()
    {
        g_warnings.clear();
        previous_ = qInstallMessageHandler(CollectWarnings);
        qApp->setStyleSheet(SkinStyleSheet());
    }
    ~SkinApplied()
    {
        qApp->setStyleSheet(QString());
        qInstallMessageHandler(previous_);
    }

private:
    QtMessageHandler previous_;
};

QImage Picture(QWidget* widget)
{
    QCoreApplication::processEvents();
    return widget->grab().toImage();
}

// The part two pictures share: the grid takes the width its scroll box gives
// it, and the skin draws that box's frame thinner; its last cells stretch.
QImage Common(const QImage& picture, const QImage& other)
{
    QSize size = picture.size().boundedTo(other.size());
    if (picture.size() != other.size())
        size.rwidth() -= 3;
    return picture.copy(QRect(QPoint(0, 0), size));
}

} // namespace

TEST(Skin, LeavesUnskinnedPartsAndGridsAsTheyAreAndSkinsTheRest)
{
    ASSERT_FALSE(SkinStyleSheet().isEmpty());
    TestProgram program;
    TMainForm& main = program.start();
    program.show();

    QWidget* untouched[] = {main.panTop, main.Panel2, main.panLeft, main.panSmallToolbar, main.sbtnAddFile,
                            main.sbtnDelete, main.sbtnPlay, main.vleVideo};
    QList<QImage> before;
    for (QWidget* widget : untouched)
        before << Picture(widget);
    const QImage openBefore = Picture(main.bbtnOpen);

    {
        SkinApplied skin;
        for (int i = 0; i < 8; ++i) {
            const QImage after = Picture(untouched[i]);
            EXPECT_EQ(Common(after, before[i]), Common(before[i], after)) << untouched[i]->objectName().toStdString();
            EXPECT_TRUE(untouched[i]->property("unskinned").toBool() || untouched[i] == main.vleVideo);
        }
        EXPECT_NE(Picture(main.bbtnOpen), openBefore);
        EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join(QLatin1Char('\n')).toStdString();
    }
}

TEST(Skin, ProgramIconIsCompiledIn)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QPixmap picture = icon.pixmap(64, 64);
    ASSERT_FALSE(picture.isNull());
    // Drawn, not empty: the middle of the icon is opaque.
    EXPECT_EQ(picture.toImage().pixelColor(32, 32).alpha(), 255);
}
