#pragma once
// Rows for tests of the task list, made the way adding a file makes them:
// a new row filled whole with SetItemData, without a probe.
#include <QStringList>
#include <string>

#include "tasks/TaskRecord.h"

class TMainForm;

// Appends a row holding `task`; returns its index.
int AddTestTask(TMainForm& main, const ltvItemData& task);
// A task as a probe of "/videos/<name>.avi" would give it, with its own
// length; the output extension is ".mp4".
ltvItemData TestTask(const std::string& name, const std::string& length = "00:01:40");
// Appends one TestTask per name.
void AddTestTasks(TMainForm& main, const QStringList& names);
// A row read whole.
ltvItemData ReadTask(const TMainForm& main, int row);
// The captions of all rows, in row order.
QStringList RowCaptions(const TMainForm& main);
// Selects exactly the given rows (the focused row does not move).
void SelectRows(TMainForm& main, const QList<int>& rows);
QList<int> SelectedRows(const TMainForm& main);

// Input as the user gives it, on a shown window: a mouse click on a row (or,
// for row -1, on the empty part of the list below the rows), which selects it
// and runs the list click (events are processed after it); and a key
// pressed in the list.
void ClickTaskRow(TMainForm& main, int row);
void PressKeyInList(TMainForm& main, int key);
