// Screen readers and keyboard users: every control a person operates has a
// name and can be reached with Tab, and the lists expose their cells.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QScrollBar>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "profiles/SettingForm.h"
#include "profiles/SizeForm.h"
#include "support/TestProgram.h"
#include "ui/AboutForm.h"
#include "ui/ImageButton.h"
#include "ui/ValueListGrid.h"
#include "ui/WidgetMaking.h"

namespace {

// Qt's own inner parts (scroll bars of views, headers) are named by Qt.
bool IsQtInternal(const QWidget* widget)
{
    for (const QObject* part = widget; part; part = part->parent())
        if (part->objectName().startsWith(QLatin1String("qt_")))
            return true;
    return qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QHeaderView*>(widget);
}

bool IsOperable(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget)
           || qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSlider*>(widget)
           || qobject_cast<const QAbstractItemView*>(widget) || dynamic_cast<const LinkLabel*>(widget);
}

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QStringList CellNames(QWidget* view)
{
    QStringList names;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view);
    if (!face)
        return names;
    for (int i = 0; i < face->childCount(); ++i)
        if (QAccessibleInterface* cell = face->child(i))
            names << cell->text(QAccessible::Name);
    return names;
}

} // namespace

TEST(Accessibility, EveryOperableControlHasANameAndTakesTabFocus)
{
    TestProgram program;
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    QWidget* windows[] = {&main, main.aboutForm(), main.settingForm(), main.sizeForm()};
    int checked = 0;
    for (QWidget* window : windows) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!IsOperable(widget) || IsQtInternal(widget))
                continue;
            // A view's in-place editors belong to the view.
            if (qobject_cast<QAbstractItemView*>(widget->parentWidget()) || widget->parentWidget()->inherits("QComboBox"))
                continue;
            ++checked;
            const std::string where = (window->objectName() + QLatin1Char('.') + widget->objectName()).toStdString();
            const QString name = AccessibleName(widget);
            EXPECT_FALSE(name.trimmed().isEmpty()) << where;
            EXPECT_FALSE(name.contains(QLatin1Char('&'))) << where << ": " << name.toStdString();
            EXPECT_TRUE(widget->focusPolicy() & Qt::TabFocus) << where;
        }
    }
    EXPECT_GT(checked, 30);

    // Picture and flat buttons are named by their hints.
    const struct {
        QWidget* widget;
        const char* name;
    } hinted[] = {{main.imgStart, "Start"}, {main.imgStop, "Stop"}, {main.sbtnPlay, "Play"},
                  {main.sbtnPause, "Pause / Resume"}, {main.sbtnStop, "Stop"}, {main.sbtnAddFile, "Add File"},
                  {main.sbtnDelete, "Delete"}, {main.bbtnBrowser, "Browse"}, {main.SpeedButton2, "Help"}};
    for (const auto& h : hinted)
        EXPECT_EQ(AccessibleName(h.widget), QLatin1String(h.name));
}

TEST(Accessibility, TaskListAndGridsExposeTheirCells)
{
    TestProgram program;
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    const QString input = program.path(QStringLiteral("holiday.mp4"));
    main.AddTask(input);
    QCoreApplication::processEvents();   // the view lays out its rows

    EXPECT_EQ(AccessibleName(main.ltvTask), QStringLiteral("Task List"));
    const QStringList listCells = CellNames(main.ltvTask);
    EXPECT_TRUE(listCells.contains(input)) << listCells.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(listCells.contains(QStringLiteral("OK")));

    const QStringList gridCells = CellNames(main.vleVideo);
    EXPECT_TRUE(gridCells.contains(QStringLiteral("Video Size"))) << gridCells.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(gridCells.contains(main.vleVideo->valueOf(QStringLiteral("Video Size"))));
}
