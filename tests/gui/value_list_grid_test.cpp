// The key/value grid, its collapsible sections and the balloon tip, driven as
// real widgets.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <vector>

#include "ui/BalloonTip.h"
#include "ui/CollapsibleSection.h"
#include "ui/ValueListGrid.h"
#include "ui/ValueListGridColours.h"

namespace {

// Input as the platform delivers it: a press first gives the focus to the
// nearest widget that takes focus by click, keys go to the focus widget.
void press(QWidget* target, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    for (QWidget* w = target; w; w = w->parentWidget()) {
        if (w->focusPolicy() & Qt::ClickFocus) {
            w->setFocus(Qt::MouseFocusReason);
            break;
        }
    }
    QMouseEvent event(QEvent::MouseButtonPress, pos, target->mapToGlobal(pos), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void release(QWidget* target, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseButtonRelease, pos, target->mapToGlobal(pos), button,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void click(QWidget* target, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton)
{
    press(target, pos, button);
    release(target, pos, button);
}

void drag(QWidget* target, const QPoint& to)
{
    QMouseEvent event(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void keyTo(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = QString())
{
    ASSERT_NE(target, nullptr);
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &up);
    // Editors commit Enter through the event queue.
    QCoreApplication::processEvents();
}

void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    keyTo(QApplication::focusWidget(), key, modifiers);
}

void type(const QString& text)
{
    for (const QChar c : text) {
        const int code = c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
        keyTo(QApplication::focusWidget(), code, Qt::NoModifier, QString(c));
    }
}

void showActive(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QCoreApplication::processEvents();
}

// A layout change travels up one parent per turn of the event loop.
void settleLayouts()
{
    for (int turn = 0; turn < 4; ++turn)
        QCoreApplication::processEvents();
}

QPoint cell(const ValueListGrid& grid, int row, int column)
{
    return grid.visualRect(grid.model()->index(row, column)).center();
}

// The pixels of one cell, its grid line left out.
QImage cellImage(ValueListGrid& grid, int row, int column)
{
    const QRect rect = grid.visualRect(grid.model()->index(row, column)).adjusted(0, 0, -1, -1);
    return grid.viewport()->grab(rect).toImage();
}

int darkestGray(const QImage& image)
{
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

QColor keyBackground(ValueListGrid& grid, int row)
{
    return cellImage(grid, row, 0).pixelColor(1, 1);
}

// A window with one grid and an edit box to take the focus away.
struct GridWindow {
    QWidget window;
    ValueListGrid* grid = new ValueListGrid(95);
    QLineEdit* elsewhere = new QLineEdit;

    explicit GridWindow(const QStringList& keys = {})
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(elsewhere);
        window.resize(240, 200);
        for (const QString& k : keys)
            grid->appendRow(k);
        showActive(window);
    }
};

} // namespace

TEST(ValueListGrid, FindsRowsByKeyIgnoringLetterCaseOfAToZOnly)
{
    ValueListGrid grid;
    for (const char* k : {"Video Codec", "Video Size", "VIDEO SIZE", "Größe"})
        grid.appendRow(QString::fromUtf8(k), QStringLiteral("v"));

    const struct {
        const char* key;
        int row;
    } cases[] = {
        {"Video Size", 1}, {"video size", 1}, {"VIDEO SIZE", 1},  // the first match wins
        {"vIdEo cOdEc", 0}, {"Video  Size", -1}, {"Video Size ", -1}, {"", -1},
        {"Größe", 3}, {"GRÖSSE", -1}, {"grösse", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid.findRow(QString::fromUtf8(c.key)), c.row) << c.key;
}

TEST(ValueListGrid, SetValueOfChangesTheKeyedRowOrAppendsItAndReportsEveryChange)
{
    ValueListGrid grid;
    std::vector<int> changed;
    QObject::connect(&grid, &ValueListGrid::valueChanged, [&](int row) { changed.push_back(row); });

    grid.appendRow(QStringLiteral("Start Time"), QStringLiteral("00:00:00.0"));
    grid.setValueOf(QStringLiteral("start time"), QStringLiteral("00:00:30.0"));
    grid.setValueOf(QStringLiteral("End Time"), QStringLiteral("00:01:10.0"));
    grid.setValue(0, QStringLiteral("00:00:30.0"));  // the same text is no change

    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.key(0), QStringLiteral("Start Time"));
    EXPECT_EQ(grid.value(0), QStringLiteral("00:00:30.0"));
    EXPECT_EQ(grid.key(1), QStringLiteral("End Time"));
    EXPECT_EQ(grid.valueOf(QStringLiteral("END TIME")), QStringLiteral("00:01:10.0"));
    EXPECT_EQ(grid.valueOf(QStringLiteral("Duration")), QString());
    EXPECT_EQ(changed, (std::vector<int>{0, 0, 1}));

    // Row flags are no value change.
    grid.setRowReadOnly(0, true);
    grid.setPickList(1, {QStringLiteral("a")});
    EXPECT_EQ(changed.size(), 3u);

    grid.clearRows();
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.currentGridRow(), -1);
    EXPECT_EQ(grid.value(0), QString());
    grid.setValue(5, QStringLiteral("x"));  // no such row: nothing happens
    grid.appendRow(QStringLiteral("Aspect"));
    EXPECT_EQ(grid.currentGridRow(), 0);  // a refilled grid starts on its first row
}

TEST(ValueListGrid, ReadOnlyPickListIsPickedFromButNotTypedInto)
{
    GridWindow w({QStringLiteral("Video Codec"), QStringLiteral("Video Size")});
    ValueListGrid& grid = *w.grid;
    const QStringList choices{QStringLiteral("Original Size"), QStringLiteral("320x240"),
                              QStringLiteral("Custom Size")};
    grid.setValue(1, QStringLiteral("Original Size"));
    grid.setPickList(1, choices);
    grid.setRowReadOnly(1, true);
    std::vector<int> changed;
    QObject::connect(&grid, &ValueListGrid::valueChanged, [&](int row) { changed.push_back(row); });

    EXPECT_FALSE(grid.isFixedRow(1));
    click(grid.viewport(), cell(grid, 1, 1));  // makes the row current and drops the list down
    auto* combo = qobject_cast<QComboBox*>(grid.openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isEditable());
    ASSERT_EQ(combo->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(combo->itemText(i), choices[i]);
    EXPECT_EQ(combo->currentText(), QStringLiteral("Original Size"));
    ASSERT_TRUE(combo->view()->isVisible());

    keyTo(combo->view(), Qt::Key_Down);
    keyTo(combo->view(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.value(1), QStringLiteral("320x240"));
    EXPECT_EQ(changed, (std::vector<int>{1}));
    EXPECT_EQ(grid.openEditor(), nullptr);  // a pick is committed at once

    EXPECT_TRUE(grid.hasFocus());  // keyboard work goes on in the grid

    // Typing on the read-only row neither edits nor jumps to another row.
    type(QStringLiteral("Custom"));
    EXPECT_EQ(grid.openEditor(), nullptr);
    EXPECT_EQ(grid.value(1), QStringLiteral("320x240"));
    EXPECT_EQ(grid.currentGridRow(), 1);

    // Enter opens the list from the keyboard.
    key(Qt::Key_Return);
    combo = qobject_cast<QComboBox*>(grid.openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
    w.elsewhere->setFocus();
    EXPECT_EQ(grid.value(1), QStringLiteral("320x240"));  // closed without a pick: unchanged
    EXPECT_EQ(changed.size(), 1u);
}

TEST(ValueListGrid, ValueOutsideThePickListSurvivesOpeningTheList)
{
    GridWindow w({QStringLiteral("Video Size")});
    ValueListGrid& grid = *w.grid;
    grid.setPickList(0, {QStringLiteral("Original Size"), QStringLiteral("Custom Size")});
    grid.setRowReadOnly(0, true);
    grid.setValue(0, QStringLiteral("640x480"));

    click(grid.viewport(), cell(grid, 0, 1));
    auto* combo = qobject_cast<QComboBox*>(grid.openEditor());
    ASSERT_NE(combo, nullptr);
    combo->hidePopup();
    w.elsewhere->setFocus();
    EXPECT_EQ(grid.openEditor(), nullptr);
    EXPECT_EQ(grid.value(0), QStringLiteral("640x480"));
}

TEST(ValueListGrid, FreeRowsTakeTypingAndFixedRowsNone)
{
    GridWindow w({QStringLiteral("Bit Rate"), QStringLiteral("Aspect"), QStringLiteral("Channels")});
    ValueListGrid& grid = *w.grid;
    grid.setValue(1, QStringLiteral("4:3"));
    grid.setRowReadOnly(1, true);
    grid.setValue(2, QStringLiteral("2"));
    grid.setPickList(2, {QStringLiteral("1"), QStringLiteral("2")});  // a pick list that may be typed in

    grid.setFocus();
    grid.setCurrentGridRow(0);
    type(QStringLiteral("768"));

    EXPECT_NE(qobject_cast<QLineEdit*>(grid.openEditor()), nullptr);
    key(Qt::Key_Return);
    EXPECT_EQ(grid.openEditor(), nullptr);
    EXPECT_EQ(grid.value(0), QStringLiteral("768"));

    grid.setCurrentGridRow(1);
    type(QStringLiteral("16"));
    key(Qt::Key_F2);
    EXPECT_EQ(grid.openEditor(), nullptr);
    EXPECT_EQ(grid.value(1), QStringLiteral("4:3"));

    grid.setCurrentGridRow(2);
    type(QStringLiteral("6"));
    auto* combo = qobject_cast<QComboBox*>(grid.openEditor());
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    key(Qt::Key_Return);
    w.elsewhere->setFocus();
    EXPECT_EQ(grid.value(2), QStringLiteral("6"));
}

TEST(ValueListGrid, ValidateFiresOnceWhenAnEditedCellIsLeft)
{
    GridWindow w({QStringLiteral("New Filename"), QStringLiteral("Start Time"), QStringLiteral("End Time")});
    ValueListGrid& grid = *w.grid;
    std::vector<int> validated;
    QObject::connect(&grid, &ValueListGrid::validate, [&](int row) { validated.push_back(row); });

    // Moving around without editing validates nothing.
    click(grid.viewport(), cell(grid, 1, 1));
    key(Qt::Key_Escape);
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    w.elsewhere->setFocus();
    EXPECT_TRUE(validated.empty());

    // Leaving the cell by the mouse: the typed text is in place when validate comes.
    click(grid.viewport(), cell(grid, 1, 1));
    type(QStringLiteral("0:0:30"));
    QString seen;
    QObject::connect(&grid, &ValueListGrid::validate, [&](int row) { seen = grid.value(row); });
    click(grid.viewport(), cell(grid, 2, 1));
    EXPECT_EQ(validated, (std::vector<int>{1}));
    EXPECT_EQ(seen, QStringLiteral("0:0:30"));
    key(Qt::Key_Escape);
    click(grid.viewport(), cell(grid, 0, 1));
    EXPECT_EQ(validated.size(), 1u);

    // Leaving the grid: the focus goes elsewhere while the editor is open.
    key(Qt::Key_Escape);
    type(QStringLiteral("clip.avi"));
    w.elsewhere->setFocus();
    EXPECT_EQ(validated, (std::vector<int>{1, 0}));
    EXPECT_EQ(grid.value(0), QStringLiteral("clip.avi"));
    grid.setFocus();
    grid.setCurrentGridRow(2);
    w.elsewhere->setFocus();
    EXPECT_EQ(validated.size(), 2u);

    // Enter stores the text; validate waits until the cell is left.
    grid.setFocus();
    type(QStringLiteral("0:1:10"));
    key(Qt::Key_Return);
    EXPECT_EQ(grid.value(2), QStringLiteral("0:1:10"));
    EXPECT_EQ(validated.size(), 2u);
    key(Qt::Key_Up);
    EXPECT_EQ(validated, (std::vector<int>{1, 0, 2}));

    // The program's own changes are no edit.
    grid.setValue(1, QStringLiteral("00:00:10.0"));
    key(Qt::Key_Down);
    w.elsewhere->setFocus();
    EXPECT_EQ(validated.size(), 3u);
}

TEST(ValueListGrid, MousePressCanKeepTheEditorClosed)
{
    GridWindow w({QStringLiteral("New Filename"), QStringLiteral("Start Time")});
    ValueListGrid& grid = *w.grid;
    bool refuse = true;
    std::vector<Qt::MouseButton> presses;
    int clicks = 0;
    QObject::connect(&grid, &ValueListGrid::mousePressed, [&](Qt::MouseButton button) {
        presses.push_back(button);
        if (refuse)
            grid.cancelEditOnPress();
    });
    QObject::connect(&grid, &ValueListGrid::clicked, [&] { ++clicks; });

    click(grid.viewport(), cell(grid, 1, 1));
    EXPECT_EQ(grid.currentGridRow(), 1);
    EXPECT_EQ(grid.openEditor(), nullptr);
    click(grid.viewport(), cell(grid, 0, 1), Qt::RightButton);
    EXPECT_EQ(grid.currentGridRow(), 1);  // only the left button moves the current cell
    click(grid.viewport(), cell(grid, 0, 0));
    EXPECT_EQ(grid.openEditor(), nullptr);

    refuse = false;
    click(grid.viewport(), cell(grid, 0, 1));
    EXPECT_NE(qobject_cast<QLineEdit*>(grid.openEditor()), nullptr);
    EXPECT_EQ(presses, (std::vector<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton, Qt::LeftButton,
                                                     Qt::LeftButton}));
    EXPECT_EQ(clicks, 4);
}

TEST(ValueListGrid, CurrentCellStaysInTheValueColumn)
{
    GridWindow w({QStringLiteral("Audio Codec"), QStringLiteral("Sample Rate"), QStringLiteral("Volumn")});
    ValueListGrid& grid = *w.grid;
    click(grid.viewport(), cell(grid, 2, 0));
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(2, 1));
    EXPECT_EQ(grid.currentKey(), QStringLiteral("Volumn"));
    EXPECT_EQ(grid.openEditor(), nullptr);  // a key cell opens nothing
    key(Qt::Key_Left);
    EXPECT_EQ(grid.currentIndex(), grid.model()->index(2, 1));
    key(Qt::Key_Home);
    EXPECT_EQ(grid.currentIndex().column(), 1);
}

TEST(ValueListGrid, ColumnBorderCanBeDragged)
{
    GridWindow w({QStringLiteral("Frame Rate")});
    ValueListGrid& grid = *w.grid;
    const int border = grid.columnViewportPosition(1) - ValueListGrid::GridLine;
    const int y = cell(grid, 0, 0).y();
    press(grid.viewport(), QPoint(border, y));
    drag(grid.viewport(), QPoint(border + 40, y));
    release(grid.viewport(), QPoint(border + 40, y));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.columnWidth(0), 95 + 40);
    EXPECT_EQ(grid.columnWidth(0) + grid.columnWidth(1), grid.viewport()->width());
    EXPECT_EQ(grid.openEditor(), nullptr);
}

TEST(ValueListGrid, CellColoursFollowTheDrawingRules)
{
    using P = CellPaint;
    const struct {
        CellFacts facts;  // key column, current row, grid has focus, fixed value
        CellColours colours;
    } cases[] = {
        {{false, false, false, true}, {P::Window, P::Silver}},
        {{false, false, true, true}, {P::Window, P::Silver}},
        {{false, true, true, true}, {P::Window, P::Silver}},
        {{false, true, false, false}, {P::Window, P::Black}},
        {{false, true, true, false}, {P::Window, P::Black}},
        {{false, false, true, false}, {P::Window, P::Font}},
        {{true, true, true, false}, {P::FocusBlue, P::Font}},
        {{true, true, false, false}, {P::Window, P::Black}},
        {{true, false, true, false}, {P::FixedCell, P::Font}},
        {{true, false, false, false}, {P::FixedCell, P::Font}},
    };
    for (const auto& c : cases) {
        const CellColours got = CellColoursFor(c.facts);
        EXPECT_TRUE(got == c.colours) << c.facts.keyColumn << c.facts.currentRow << c.facts.gridHasFocus
                                      << c.facts.fixedValue;
    }
}

TEST(ValueListGrid, FixedValuesAreDrawnSilverAndOthersDark)
{
    GridWindow w({QStringLiteral("Fixed"), QStringLiteral("Free"), QStringLiteral("Choice")});
    ValueListGrid& grid = *w.grid;
    for (int row = 0; row < 3; ++row)
        grid.setValue(row, QStringLiteral("HHHH"));
    grid.setRowReadOnly(0, true);
    grid.setRowReadOnly(2, true);
    grid.setPickList(2, {QStringLiteral("HHHH")});
    grid.setCurrentGridRow(1);

    // Anti-aliased silver text is never darker than silver itself.
    const int fixedDarkest = darkestGray(cellImage(grid, 0, 1));
    EXPECT_GE(fixedDarkest, 192);
    EXPECT_LE(fixedDarkest, 210);
    EXPECT_LT(darkestGray(cellImage(grid, 1, 1)), 100);
    EXPECT_LT(darkestGray(cellImage(grid, 2, 1)), 100);
}

TEST(ValueListGrid, CurrentKeyCellIsBlueOnlyInTheGridWithTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    ValueListGrid* video = new ValueListGrid(95);
    ValueListGrid* audio = new ValueListGrid(95);
    layout->addWidget(video);
    layout->addWidget(audio);
    for (ValueListGrid* grid : {video, audio}) {
        grid->appendRow(QStringLiteral("A"));
        grid->appendRow(QStringLiteral("B"));
    }
    showActive(window);
    const QColor blue(49, 106, 197);
    const QColor base = video->palette().color(QPalette::Base);
    const QColor fixed = video->palette().color(QPalette::Button);

    click(video->viewport(), cell(*video, 1, 1));
    EXPECT_EQ(keyBackground(*video, 1), blue);
    EXPECT_EQ(keyBackground(*video, 0), fixed);
    EXPECT_EQ(keyBackground(*audio, 0), base);

    click(audio->viewport(), cell(*audio, 1, 0));
    EXPECT_EQ(keyBackground(*video, 1), base);
    EXPECT_EQ(keyBackground(*audio, 1), blue);
    // The grid's own editor holding the focus still counts as the grid's focus.
    click(audio->viewport(), cell(*audio, 1, 1));
    ASSERT_NE(audio->openEditor(), nullptr);
    EXPECT_TRUE(audio->hasKeyboardFocus());
    EXPECT_EQ(keyBackground(*audio, 1), blue);
}

TEST(ValueListGrid, NameForScreenReadersComesFromTheObjectName)
{
    ValueListGrid grid;
    grid.setObjectName(QStringLiteral("vleVideo"));
    EXPECT_EQ(grid.accessibleName(), QStringLiteral("vleVideo"));
    ValueListGrid named;
    named.setAccessibleName(QStringLiteral("Output options"));
    named.setObjectName(QStringLiteral("vleOutput"));
    EXPECT_EQ(named.accessibleName(), QStringLiteral("Output options"));
}

TEST(CollapsibleSection, ToggleSetsTheGridHeightFromItsRows)
{
    const struct {
        int rows;
        int fitted;
        int expanded;
    } cases[] = {{3, 54, 55}, {6, 108, 109}, {2, 36, 37}, {0, 18, 19}};  // an empty grid shows one blank row
    for (const auto& c : cases) {
        auto* grid = new ValueListGrid(160);
        for (int i = 0; i < c.rows; ++i)
            grid->appendRow(QString::number(i));
        grid->fitHeightToRows();
        EXPECT_EQ(grid->height(), c.fitted) << c.rows;
        CollapsibleSection section(QStringLiteral("Video"), QStringLiteral("panVideo"),
                                   QStringLiteral("btnVideo"), grid, false);
        QObject::connect(&section, &CollapsibleSection::toggleRequested, &section, &CollapsibleSection::toggle);
        EXPECT_EQ(section.button()->text(), QStringLiteral("-"));
        section.toggle();
        EXPECT_EQ(grid->height(), 1) << c.rows;
        EXPECT_EQ(section.button()->text(), QStringLiteral("+"));
        section.button()->click();
        EXPECT_EQ(grid->height(), c.expanded) << c.rows;
        EXPECT_EQ(grid->maximumHeight(), c.expanded) << c.rows;
        EXPECT_EQ(section.button()->text(), QStringLiteral("-"));
    }
}

TEST(CollapsibleSection, TitlePanelButtonAndDoubleClickAskForTheToggle)
{
    for (const bool doubleClickToggles : {true, false}) {
        auto* grid = new ValueListGrid(95);
        grid->appendRow(QStringLiteral("Bit Exact Algorithms"));
        grid->appendRow(QStringLiteral("Deinterlace"));
        grid->setFixedHeight(36);
        CollapsibleSection section(QStringLiteral("Advanced"), QStringLiteral("panAdvanced"),
                                   QStringLiteral("btnAdvanced"), grid, doubleClickToggles);
        section.setTitleColor(QColor(91, 172, 242));
        QLabel* panel = section.titlePanel();
        EXPECT_EQ(panel->objectName(), QStringLiteral("panAdvanced"));
        EXPECT_EQ(panel->text(), QStringLiteral("      Advanced"));
        EXPECT_TRUE(panel->font().bold());
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(91, 172, 242));
        EXPECT_EQ(panel->height(), 18);
        EXPECT_EQ(section.button()->objectName(), QStringLiteral("btnAdvanced"));
        EXPECT_EQ(section.button()->geometry(), QRect(5, 3, 12, 12));

        int requests = 0;
        QObject::connect(&section, &CollapsibleSection::toggleRequested, [&] { ++requests; });
        QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(60, 9), panel->mapToGlobal(QPointF(60, 9)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &twice);
        EXPECT_EQ(requests, doubleClickToggles ? 1 : 0);
        section.button()->click();
        EXPECT_EQ(requests, doubleClickToggles ? 2 : 1);
        EXPECT_EQ(grid->height(), 36);  // the window's handler toggles, not the request
    }
}

TEST(CollapsibleSection, StackedSectionsMoveWhenOneCollapses)
{
    QScrollArea area;
    area.resize(237, 196);
    QList<CollapsibleSection*> sections;
    for (const char* title : {"Output", "Video"}) {
        auto* grid = new ValueListGrid(95);
        for (int i = 0; i < 3; ++i)
            grid->appendRow(QString::number(i));
        grid->fitHeightToRows();
        sections.append(new CollapsibleSection(QString::fromLatin1(title), QString(), QString(), grid, true));
        sections.last()->setTitleColor(QColor(91, 172, 242));
    }
    StackSections(&area, sections);
    showActive(area);
    const QImage panel = sections[1]->titlePanel()->grab().toImage();
    EXPECT_EQ(panel.pixelColor(panel.width() - 2, 1), QColor(91, 172, 242));

    EXPECT_EQ(sections[0]->y(), 0);
    EXPECT_EQ(sections[1]->y(), 18 + 54);
    EXPECT_EQ(sections[1]->width(), area.viewport()->width());
    sections[0]->toggle();
    settleLayouts();
    EXPECT_EQ(sections[1]->y(), 18 + 1);
    sections[0]->toggle();
    settleLayouts();
    EXPECT_EQ(sections[1]->y(), 18 + 55);
}

TEST(BalloonTip, OneTipPerWindowIsReusedAndClosesOnTheNextClick)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new ValueListGrid(95);
    auto* other = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(other);
    showActive(window);

    BalloonTip* first = BalloonTip::showFor(grid, QStringLiteral("Tip:"),
                                            QStringLiteral("Please select a file in Task List."));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->title(), QStringLiteral("Tip:"));
    EXPECT_EQ(first->text(), QStringLiteral("Please select a file in Task List."));

    BalloonTip* second = BalloonTip::showFor(other, QStringLiteral("Tip:"), QStringLiteral("Another text"));
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->text(), QStringLiteral("Another text"));
    EXPECT_EQ(window.findChildren<BalloonTip*>().size(), 1);
    EXPECT_EQ(BalloonTip::existingFor(other), first);

    QCoreApplication::processEvents();
    click(other, QPoint(5, 5));
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(BalloonTip::showFor(nullptr, QString(), QString()), nullptr);
}
