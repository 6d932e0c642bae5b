#pragma once
// Whole-list changes of the task list done in one step each, so that a command
// on thousands of rows costs one change of the view instead of one signal (and
// one update of every selection range) per row.
#include <vector>

class QTreeWidget;

// The selection as one flag per row, read from the selection ranges.
std::vector<bool> SelectedRowFlags(const QTreeWidget& list);
// Puts the rows in the order given (order[newRow] is the row that goes there)
// and deletes the rows it does not name. The focused row number and the scroll
// position stay; no row is selected afterwards.
void ArrangeRows(QTreeWidget& list, const std::vector<int>& order);
// Selects exactly the flagged rows, without moving the focused row.
void SelectRowFlags(QTreeWidget& list, const std::vector<bool>& selected);
