#pragma once
// Draws the cells of a ValueListGrid and gives its value cells their editors:
// a line edit for free values, a drop-down list for pick lists (not typable
// on read-only rows).
#include <QStyledItemDelegate>

#include "ui/ValueListGridColours.h"

class ValueListGrid;

class ValueListGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ValueListGridDelegate(ValueListGrid* grid);

    // The colour a paint role stands for in the given palette.
    static QColor colourOf(CellPaint paint, const QPalette& palette);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    ValueListGrid* grid_;
};
