#pragma once
// The task list's columns share every change of the list's width:
// "Input File" 0.49, "Length" 0.17, "Size" 0.15, "Status" 0.19.
#include <array>

constexpr int TaskColumnCount = 4;
constexpr int InitialListWidth = 562;

using ColumnWidths = std::array<int, TaskColumnCount>;

// Each column's width plus its share of `delta`, rounded to the nearest
// whole pixel (a half to the even neighbour).
ColumnWidths WidenColumns(const ColumnWidths& widths, int delta);
