#include <gtest/gtest.h>

#include "tasks/ColumnShares.h"

namespace {

TEST(ColumnShares, EachColumnTakesItsShareOfTheChange)
{
    const ColumnWidths start = {230, 90, 80, 100};
    const struct {
        int delta;
        ColumnWidths widths;
    } cases[] = {
        {0, {230, 90, 80, 100}},
        {-43, {209, 83, 74, 92}},     // 562 to 519: 21, 7, 6 and 8 narrower
        {43, {251, 97, 86, 108}},
        {1, {230, 90, 80, 100}},      // 0.49, 0.17, 0.15, 0.19 all round to 0
        {-3, {229, 89, 80, 99}},      // -1.47, -0.51, -0.45, -0.57
        {100, {279, 107, 95, 119}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WidenColumns(start, c.delta), c.widths) << c.delta;
}

TEST(ColumnShares, NarrowingAndWideningByTheSameAmountGivesTheWidthsBack)
{
    const ColumnWidths start = {230, 90, 80, 100};
    for (int delta : {-43, 7, 50, -120})
        EXPECT_EQ(WidenColumns(WidenColumns(start, delta), -delta), start) << delta;
}

} // namespace
