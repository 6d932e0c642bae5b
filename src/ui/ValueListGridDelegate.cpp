#include "ui/ValueListGridDelegate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

#include "ui/ValueListGrid.h"

namespace {

// Set on a drop-down editor once the user has picked an entry.
constexpr char PickedProperty[] = "lumoraPicked";
// Text starts this far from the left and top of its cell.
constexpr int TextIndent = 2;
constexpr int ArrowWidth = 14;

} // namespace

ValueListGridDelegate::ValueListGridDelegate(ValueListGrid* grid)
    : QStyledItemDelegate(grid), grid_(grid)
{
}

QColor ValueListGridDelegate::colourOf(CellPaint paint, const QPalette& palette)
{
    switch (paint) {
    case CellPaint::Window: return palette.color(QPalette::Base);
    case CellPaint::FixedCell: return palette.color(QPalette::Button);
    case CellPaint::FocusBlue: return QColor(49, 106, 197);
    case CellPaint::Font: return palette.color(QPalette::Text);
    case CellPaint::Black: return QColor(Qt::black);
    case CellPaint::Silver: return QColor(192, 192, 192);
    }
    return palette.color(QPalette::Text);
}

void ValueListGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    CellFacts facts;
    facts.keyColumn = index.column() == 0;
    facts.currentRow = index.row() == grid_->currentGridRow();
    facts.gridHasFocus = grid_->hasKeyboardFocus();
    facts.fixedValue = !facts.keyColumn && grid_->isFixedRow(index.row());
    const CellColours colours = CellColoursFor(facts);

    painter->save();
    painter->fillRect(option.rect, colourOf(colours.background, option.palette));
    painter->setPen(colourOf(colours.text, option.palette));
    painter->setFont(option.font);
    QRect textRect = option.rect.adjusted(TextIndent, TextIndent, 0, 0);
    // The current pick-list cell shows that it drops down.
    if (!facts.keyColumn && facts.currentRow && grid_->isPickList(index.row())) {
        QStyleOption arrow;
        arrow.initFrom(grid_);
        arrow.rect = QRect(option.rect.right() - ArrowWidth, option.rect.top(), ArrowWidth,
                           option.rect.height());
        grid_->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, grid_);
        textRect.setRight(arrow.rect.left() - 1);
    }
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QWidget* ValueListGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const
{
    const int row = index.row();
    if (index.column() != 1 || grid_->isFixedRow(row))
        return nullptr;
    if (!grid_->isPickList(row)) {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setFrame(false);
            line->setAccessibleName(grid_->key(row));
        }
        return editor;
    }
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(grid_->key(row));
    combo->setEditable(!grid_->rowReadOnly(row));
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFrame(false);
    combo->addItems(grid_->pickList(row));
    // A picked entry is the new value at once; no extra Enter is needed.
    connect(combo, &QComboBox::activated, grid_, [grid = grid_, combo] {
        combo->setProperty(PickedProperty, true);
        grid->commitPick(combo);
    });
    return combo;
}

void ValueListGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString value = index.data(Qt::DisplayRole).toString();
    // A value that is not one of the choices (a typed custom size) selects none.
    combo->setCurrentIndex(combo->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (combo->isEditable()) {
        combo->setEditText(value);
        // Typing replaces the value, as in a plain cell.
        combo->lineEdit()->selectAll();
    }
}

void ValueListGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const
{
    // Only what the user typed or picked is written, so an editor that merely
    // opened and closed never blanks or rewrites a value.
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const bool picked = combo->property(PickedProperty).toBool();
        const bool typed = combo->isEditable() && combo->lineEdit()->isModified();
        if (!picked && !typed)
            return;
        text = combo->currentText();
        combo->setProperty(PickedProperty, false);
        if (typed)
            combo->lineEdit()->setModified(false);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (!line->isModified())
            return;
        text = line->text();
        line->setModified(false);
    } else {
        return;
    }
    model->setData(index, text, Qt::EditRole);
    grid_->noteUserEdit(index.row());
}
