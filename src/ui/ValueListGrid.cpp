#include "ui/ValueListGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "app/PathText.h"
#include "ui/ValueListGridDelegate.h"

namespace {

// Row flags live on the key item, so that changing them never looks like a
// change of the value.
constexpr int ReadOnlyRole = Qt::UserRole + 1;
constexpr int PickListRole = Qt::UserRole + 2;
constexpr int HasPickListRole = Qt::UserRole + 3;

// How near the column border the pointer must be to drag it.
constexpr int BorderGrip = 2;
constexpr int MinimumColumnWidth = 8;

} // namespace

ValueListGrid::ValueListGrid(int keyColumnWidth, QWidget* parent)
    : QTableWidget(0, 2, parent)
{
    setItemDelegate(new ValueListGridDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // Tab leaves the grid, as in any other control of the form.
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);

    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(RowPitch);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* columns = horizontalHeader();
    columns->hide();
    columns->setMinimumSectionSize(MinimumColumnWidth);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    setColumnWidth(0, keyColumnWidth);

    // The pointer turns into a splitter over the column border.
    viewport()->setMouseTracking(true);

    connect(model(), &QAbstractItemModel::dataChanged, this, &ValueListGrid::onDataChanged);
    focusConnection_ = connect(qApp, &QApplication::focusChanged, this, &ValueListGrid::onFocusChanged);
    // Screen readers announce the grid by its name unless the form gave it one.
    connect(this, &QObject::objectNameChanged, this, [this](const QString& name) {
        if (accessibleName().isEmpty() || accessibleName() == autoAccessibleName_) {
            setAccessibleName(name);
            autoAccessibleName_ = name;
        }
    });
}

ValueListGrid::~ValueListGrid()
{
    // Children are destroyed after this class is gone; focus changes they
    // cause must not reach it.
    disconnect(focusConnection_);
}

QTableWidgetItem* ValueListGrid::keyItem(int row) const
{
    return (row >= 0 && row < rowCount()) ? item(row, 0) : nullptr;
}

QTableWidgetItem* ValueListGrid::valueItem(int row) const
{
    return (row >= 0 && row < rowCount()) ? item(row, 1) : nullptr;
}

int ValueListGrid::appendRow(const QString& key, const QString& value)
{
    const int row = rowCount();
    {
        // The new row is announced once, below, not per cell.
        const QSignalBlocker quiet(this);
        insertRow(row);
        auto* keyCell = new QTableWidgetItem(key);
        keyCell->setFlags(Qt::ItemIsEnabled);
        setItem(row, 0, keyCell);
        setItem(row, 1, new QTableWidgetItem(value));
        updateValueFlags(row);
    }
    // Like a fresh grid, a refilled one starts on its first row.
    if (!currentIndex().isValid())
        selectionModel()->setCurrentIndex(model()->index(0, 1), QItemSelectionModel::NoUpdate);
    emit valueChanged(row);
    return row;
}

void ValueListGrid::clearRows()
{
    editedRow_ = -1;
    for (int row = rowCount() - 1; row >= 0; --row)
        removeRow(row);
}

int ValueListGrid::findRow(const QString& key) const
{
    const std::string wanted = key.toStdString();
    for (int row = 0; row < rowCount(); ++row) {
        if (EqualsNoCase(this->key(row).toStdString(), wanted))
            return row;
    }
    return -1;
}

QString ValueListGrid::key(int row) const
{
    const QTableWidgetItem* cell = keyItem(row);
    return cell ? cell->text() : QString();
}

QString ValueListGrid::value(int row) const
{
    const QTableWidgetItem* cell = valueItem(row);
    return cell ? cell->text() : QString();
}

void ValueListGrid::setValue(int row, const QString& value)
{
    if (QTableWidgetItem* cell = valueItem(row))
        cell->setText(value);
}

QString ValueListGrid::valueOf(const QString& key) const
{
    return value(findRow(key));
}

void ValueListGrid::setValueOf(const QString& key, const QString& value)
{
    const int row = findRow(key);
    if (row < 0)
        appendRow(key, value);
    else
        setValue(row, value);
}

void ValueListGrid::setRowReadOnly(int row, bool readOnly)
{
    if (QTableWidgetItem* cell = keyItem(row)) {
        cell->setData(ReadOnlyRole, readOnly);
        updateValueFlags(row);
    }
}

bool ValueListGrid::rowReadOnly(int row) const
{
    const QTableWidgetItem* cell = keyItem(row);
    return cell && cell->data(ReadOnlyRole).toBool();
}

void ValueListGrid::setPickList(int row, const QStringList& choices)
{
    if (QTableWidgetItem* cell = keyItem(row)) {
        cell->setData(PickListRole, choices);
        cell->setData(HasPickListRole, true);
        updateValueFlags(row);
    }
}

void ValueListGrid::clearPickList(int row)
{
    if (QTableWidgetItem* cell = keyItem(row)) {
        cell->setData(PickListRole, QVariant());
        cell->setData(HasPickListRole, false);
        updateValueFlags(row);
    }
}

bool ValueListGrid::isPickList(int row) const
{
    const QTableWidgetItem* cell = keyItem(row);
    return cell && cell->data(HasPickListRole).toBool();
}

QStringList ValueListGrid::pickList(int row) const
{
    const QTableWidgetItem* cell = keyItem(row);
    return cell ? cell->data(PickListRole).toStringList() : QStringList();
}

bool ValueListGrid::isFixedRow(int row) const
{
    return rowReadOnly(row) && !isPickList(row);
}

void ValueListGrid::updateValueFlags(int row)
{
    QTableWidgetItem* cell = valueItem(row);
    if (!cell)
        return;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // A read-only pick list still opens; its editor then refuses typing.
    if (!isFixedRow(row))
        flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
    viewport()->update();
}

int ValueListGrid::currentGridRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QString ValueListGrid::currentKey() const
{
    return key(currentGridRow());
}

void ValueListGrid::setCurrentGridRow(int row)
{
    if (row >= 0 && row < rowCount())
        setCurrentIndex(model()->index(row, 1));
}

bool ValueListGrid::holds(const QWidget* widget) const
{
    // Walks across window borders too, so the drop-down list of an open
    // editor counts as part of the grid.
    for (; widget; widget = widget->parentWidget()) {
        if (widget == this)
            return true;
    }
    return false;
}

bool ValueListGrid::hasKeyboardFocus() const
{
    return holds(QApplication::focusWidget());
}

int ValueListGrid::shownRowCount() const
{
    return qMax(1, rowCount());
}

int ValueListGrid::fittedHeight() const
{
    return shownRowCount() * RowPitch;
}

int ValueListGrid::expandedHeight() const
{
    const int rows = shownRowCount();
    return rows * RowHeight + rows + 1;
}

void ValueListGrid::fitHeightToRows()
{
    setFixedHeight(fittedHeight());
}

void ValueListGrid::cancelEditOnPress()
{
    editCancelled_ = true;
    if (QWidget* editor = openEditor()) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QWidget* ValueListGrid::openEditor() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? indexWidget(current) : nullptr;
}

bool ValueListGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (trigger == AnyKeyPressed && rowReadOnly(index.row()))
        return false;
    const bool opened = QTableWidget::edit(index, trigger, event);
    // A pick list opened on purpose (click, F2, Enter, Alt+Down) drops down at once.
    if (opened && trigger != AnyKeyPressed && trigger != NoEditTriggers) {
        auto* combo = qobject_cast<QComboBox*>(indexWidget(index));
        if (combo && !combo->isEditable())
            combo->showPopup();
    }
    return opened;
}

void ValueListGrid::keyboardSearch(const QString&)
{
}

QModelIndex ValueListGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // The key column is fixed: the current cell always lies in the value column.
    const QModelIndex next = QTableWidget::moveCursor(cursorAction, modifiers);
    return next.isValid() ? next.siblingAtColumn(1) : next;
}

void ValueListGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    // The base commits the editor of the cell being left.
    QTableWidget::currentChanged(current, previous);
    if (previous != current)
        validateEditedCell();
    viewport()->update();
}

void ValueListGrid::validateEditedCell()
{
    const int row = editedRow_;
    editedRow_ = -1;
    if (row >= 0 && row < rowCount())
        emit validate(row);
}

void ValueListGrid::noteUserEdit(int row)
{
    editedRow_ = row;
}

void ValueListGrid::commitPick(QWidget* editor)
{
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ValueListGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    const bool had = holds(old);
    const bool has = holds(now);
    if (had == has)
        return;
    // The current row's key cell shows whether the grid has the focus.
    viewport()->update();
    if (had)
        validateEditedCell();
}

void ValueListGrid::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles)
{
    // Flag changes come without roles; only the text of a value matters here.
    if (!roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
        return;
    if (topLeft.column() > 1 || bottomRight.column() < 1)
        return;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
        emit valueChanged(row);
}

void ValueListGrid::keyPressEvent(QKeyEvent* event)
{
    const bool plainEnter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                            && event->modifiers() == Qt::NoModifier;
    const bool dropDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    const QModelIndex current = currentIndex();
    if ((plainEnter || dropDown) && current.isValid() && state() != EditingState
        && edit(current, EditKeyPressed, event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool ValueListGrid::onColumnBorder(const QPoint& pos) const
{
    if (rowAt(pos.y()) < 0)
        return false;
    // The border is the grid line at the right edge of the key column.
    const int border = columnViewportPosition(1) - GridLine;
    return qAbs(pos.x() - border) <= BorderGrip;
}

void ValueListGrid::fitValueColumn()
{
    const int width = qMax(MinimumColumnWidth, viewport()->width() - columnWidth(0));
    if (columnWidth(1) != width)
        setColumnWidth(1, width);
}

void ValueListGrid::updateGeometries()
{
    QTableWidget::updateGeometries();
    fitValueColumn();
}

void ValueListGrid::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    editCancelled_ = false;
    pressActive_ = true;
    pressedValueCell_ = QPersistentModelIndex();

    if (event->button() == Qt::LeftButton && onColumnBorder(pos)) {
        draggingBorder_ = true;
    } else {
        const QModelIndex index = indexAt(pos);
        if (event->button() != Qt::LeftButton) {
            // Only the left button moves the current cell.
        } else if (index.isValid() && index.column() == 0) {
            // A key cell is never current: pressing it moves to its row's value.
            if (index.row() != currentGridRow())
                setCurrentGridRow(index.row());
        } else {
            QTableWidget::mousePressEvent(event);
            pressedValueCell_ = index;
        }
    }
    emit mousePressed(event->button());
}

void ValueListGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void ValueListGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (draggingBorder_) {
        const int width = pos.x() + horizontalOffset() + GridLine;
        setColumnWidth(0, qBound(MinimumColumnWidth, width, viewport()->width() - MinimumColumnWidth));
        fitValueColumn();
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (onColumnBorder(pos))
            viewport()->setCursor(Qt::SplitHCursor);
        else
            viewport()->unsetCursor();
    }
    QTableWidget::mouseMoveEvent(event);
}

void ValueListGrid::mouseReleaseEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool wasPressed = pressActive_;
    pressActive_ = false;
    if (draggingBorder_) {
        draggingBorder_ = false;
        return;
    }
    QTableWidget::mouseReleaseEvent(event);
    if (!wasPressed)
        return;
    emit clicked();
    // One click on the current value cell opens its editor, as if it were always shown.
    if (!editCancelled_ && event->button() == Qt::LeftButton && index.isValid()
        && index == pressedValueCell_ && index == currentIndex() && state() != EditingState)
        edit(index, AllEditTriggers, event);
}
