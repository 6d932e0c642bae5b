#include "tasks/TaskListBulk.h"

#include <QItemSelection>
#include <QScrollBar>
#include <QTreeWidget>

std::vector<bool> SelectedRowFlags(const QTreeWidget& list)
{
    std::vector<bool> selected(static_cast<std::size_t>(list.topLevelItemCount()), false);
    const QItemSelectionModel* model = list.selectionModel();
    if (!model)
        return selected;
    for (const QItemSelectionRange& range : model->selection()) {
        if (range.parent().isValid())
            continue;
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (row >= 0 && row < static_cast<int>(selected.size()))
                selected[static_cast<std::size_t>(row)] = true;
    }
    return selected;
}

void ArrangeRows(QTreeWidget& list, const std::vector<int>& order)
{
    const int focusedRow = list.currentIndex().isValid() ? list.currentIndex().row() : -1;
    const int scrolledTo = list.verticalScrollBar()->value();

    QList<QTreeWidgetItem*> rows = list.invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> arranged;
    arranged.reserve(static_cast<qsizetype>(order.size()));
    for (int row : order) {
        arranged.append(rows[row]);
        rows[row] = nullptr;
    }
    qDeleteAll(rows);   // the rows not named; the named ones are null now
    list.insertTopLevelItems(0, arranged);

    if (focusedRow >= 0 && focusedRow < list.topLevelItemCount())
        list.selectionModel()->setCurrentIndex(list.model()->index(focusedRow, 0),
                                               QItemSelectionModel::NoUpdate);
    list.verticalScrollBar()->setValue(scrolledTo);
}

void SelectRowFlags(QTreeWidget& list, const std::vector<bool>& selected)
{
    const QAbstractItemModel* model = list.model();
    const int lastColumn = model->columnCount() - 1;
    QItemSelection selection;
    const int rows = static_cast<int>(selected.size());
    for (int row = 0; row < rows;) {
        if (!selected[static_cast<std::size_t>(row)]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rows && selected[static_cast<std::size_t>(row)])
            ++row;
        selection.select(model->index(first, 0), model->index(row - 1, lastColumn));
    }
    list.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}
