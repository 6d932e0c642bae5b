#include "ui/ValueListGridColours.h"

CellColours CellColoursFor(const CellFacts& cell)
{
    if (cell.keyColumn) {
        if (!cell.currentRow)
            return {CellPaint::FixedCell, CellPaint::Font};
        if (cell.gridHasFocus)
            return {CellPaint::FocusBlue, CellPaint::Font};
        return {CellPaint::Window, CellPaint::Black};
    }
    if (cell.fixedValue)
        return {CellPaint::Window, CellPaint::Silver};
    return {CellPaint::Window, cell.currentRow ? CellPaint::Black : CellPaint::Font};
}
