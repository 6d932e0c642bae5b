#pragma once
// Which colours a cell of a value-list grid is painted with. The key cell of
// the current row follows the keyboard focus from grid to grid, the current
// value cell never takes the selection highlight, and the values of fixed
// parameters are greyed out.

enum class CellPaint {
    Window,     // the grid's value background (the window colour)
    FixedCell,  // the key column's background
    FocusBlue,  // RGB(49, 106, 197): the current row's key while the grid has focus
    Font,       // the grid's font colour
    Black,
    Silver,     // RGB(192, 192, 192): the value of a fixed parameter
};

struct CellFacts {
    bool keyColumn = false;
    bool currentRow = false;    // the current cell is always in the value column
    bool gridHasFocus = false;  // the grid or its open editor has the keyboard focus
    bool fixedValue = false;    // the row is read-only and has no pick list
};

struct CellColours {
    CellPaint background;
    CellPaint text;
    bool operator==(const CellColours&) const = default;
};

CellColours CellColoursFor(const CellFacts& cell);
