#pragma once
// A two-column key/value grid: keys in a fixed left column, values edited in
// place on the right. Rows can be read-only, and a row can offer a pick list
// that still works when the row is read-only (the user picks but cannot type).
// Rows are found by key, letters A to Z compared without case.
#include <QMetaObject>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTableWidget>

class ValueListGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int RowHeight = 17;  // text area of a row
    static constexpr int GridLine = 1;    // the line under each row
    static constexpr int RowPitch = RowHeight + GridLine;

    explicit ValueListGrid(int keyColumnWidth = 95, QWidget* parent = nullptr);
    ~ValueListGrid() override;

    // rowCount() is the table's own: the number of key/value rows.
    int appendRow(const QString& key, const QString& value = QString());
    // Removes every row, the last one first.
    void clearRows();
    // The first row whose key equals `key` (A to Z without case), or -1.
    int findRow(const QString& key) const;

    QString key(int row) const;
    QString value(int row) const;
    void setValue(int row, const QString& value);
    // The value of the row keyed `key`, empty when there is none.
    QString valueOf(const QString& key) const;
    // Sets the row keyed `key`, appending the row when it is missing.
    void setValueOf(const QString& key, const QString& value);

    // A read-only row takes no typing; its pick list, if any, still works.
    void setRowReadOnly(int row, bool readOnly);
    bool rowReadOnly(int row) const;
    // Gives the row a drop-down list of choices (an empty list still drops down).
    void setPickList(int row, const QStringList& choices);
    void clearPickList(int row);
    bool isPickList(int row) const;
    QStringList pickList(int row) const;
    // Read-only without a pick list: the value is fixed and drawn greyed.
    bool isFixedRow(int row) const;

    // The row of the current cell, or -1.
    int currentGridRow() const;
    QString currentKey() const;
    void setCurrentGridRow(int row);

    // True while the grid or its open editor has the keyboard focus.
    bool hasKeyboardFocus() const;

    // An empty grid still shows one blank row.
    int shownRowCount() const;
    // Heights in pixels: rows × (RowHeight + GridLine), and the expanded
    // height of a collapsible section, rows × RowHeight + rows + 1.
    int fittedHeight() const;
    int expandedHeight() const;
    void fitHeightToRows();

    // Called from a mousePressed handler: this press opens no editor and an
    // open editor is closed (its text kept).
    void cancelEditOnPress();
    // The open editor of the current value cell, or nullptr.
    QWidget* openEditor() const;

    using QTableWidget::edit;
    // Typing is for the editor; it never jumps to another row.
    void keyboardSearch(const QString& search) override;

signals:
    // Every change of a value, by the user or by the program, and every new row.
    void valueChanged(int row);
    // The user left a value cell whose text was edited (the current cell
    // changed or the focus left the grid); once per edit.
    void validate(int row);
    // Every mouse press on the cells, any button, after a left press has moved
    // the current cell (committing an open editor) and before any editor opens.
    void mousePressed(Qt::MouseButton button);
    // A press and release on the cells (hides the view's clicked(QModelIndex)).
    void clicked();

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void updateGeometries() override;

private:
    friend class ValueListGridDelegate;

    QTableWidgetItem* keyItem(int row) const;
    QTableWidgetItem* valueItem(int row) const;
    void updateValueFlags(int row);
    bool holds(const QWidget* widget) const;
    bool onColumnBorder(const QPoint& pos) const;
    // The value column takes whatever width the key column leaves.
    void fitValueColumn();
    void onFocusChanged(QWidget* old, QWidget* now);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                       const QList<int>& roles);
    void validateEditedCell();
    // From the delegate: the user's text reached the value of `row`.
    void noteUserEdit(int row);
    // From the delegate: a choice was picked from the drop-down list.
    void commitPick(QWidget* editor);

    QMetaObject::Connection focusConnection_;
    int editedRow_ = -1;
    bool pressActive_ = false;
    bool editCancelled_ = false;
    bool draggingBorder_ = false;
    QPersistentModelIndex pressedValueCell_;
    QString autoAccessibleName_;
};
