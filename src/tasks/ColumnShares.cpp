#include "tasks/ColumnShares.h"

#include "app/Rounding.h"

namespace {

constexpr std::array<double, TaskColumnCount> Shares = {0.49, 0.17, 0.15, 0.19};

} // namespace

ColumnWidths WidenColumns(const ColumnWidths& widths, int delta)
{
    ColumnWidths result = widths;
    for (int column = 0; column < TaskColumnCount; ++column)
        result[column] += static_cast<int>(RoundHalfEven(delta * Shares[column]));
    return result;
}
