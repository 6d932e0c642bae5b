#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasks/BlockMoves.h"

namespace {

// One mark per row: 'x' selected.
std::vector<bool> Selection(const std::string& marks)
{
    std::vector<bool> selected;
    for (char mark : marks)
        selected.push_back(mark == 'x');
    return selected;
}

std::string Shown(const BlockMove& move)
{
    std::string text;
    for (std::size_t row = 0; row < move.Order.size(); ++row) {
        text += static_cast<char>('A' + move.Order[row]);
        if (move.Selected[row])
            text += '*';
    }
    return text;
}

struct MoveCase {
    const char* selection;   // 'x' selected, '-' not, one mark per row
    const char* up;          // rows afterwards, selected ones marked '*'
    const char* down;
};

TEST(BlockMoves, MovesEachSelectedRowOnePlaceAndBlocksTogether)
{
    const MoveCase cases[] = {
        {"", "", ""},
        {"-----", "ABCDE", "ABCDE"},
        {"x", "A*", "A*"},
        {"x----", "A*BCDE", "BA*CDE"},                  // first row can't go up
        {"----x", "ABCE*D", "ABCDE*"},                  // last row can't go down
        {"--x--", "AC*BDE", "ABDC*E"},
        {"-xx--", "B*C*ADE", "ADB*C*E"},                // a block keeps its order
        {"-x-x-", "B*AD*CE", "ACB*ED*"},
        {"-xx-x", "B*C*AE*D", "ADB*C*E*"},              // the last row stays; the block moves
        {"xx---", "B*ACDE", "CA*B*DE"},                 // two at the top: they trade places
        {"---xx", "ABD*E*C", "ABCED*"},                 // two at the bottom: they trade places
        {"xxx--", "B*C*ADE", "DA*B*C*E"},
        {"xxxxx", "B*C*D*E*A", "EA*B*C*D*"},
        {"x-x-x", "A*C*BE*D", "BA*DC*E*"},
    };
    for (const MoveCase& c : cases) {
        EXPECT_EQ(Shown(MoveSelectedUp(Selection(c.selection))), c.up) << c.selection;
        EXPECT_EQ(Shown(MoveSelectedDown(Selection(c.selection))), c.down) << c.selection;
    }
}

TEST(BlockMoves, ReportsWhetherAnythingMoved)
{
    EXPECT_FALSE(MoveSelectedUp(Selection("x---")).Moved);
    EXPECT_FALSE(MoveSelectedDown(Selection("---x")).Moved);
    EXPECT_FALSE(MoveSelectedUp(Selection("----")).Moved);
    EXPECT_FALSE(MoveSelectedDown(Selection("")).Moved);
    EXPECT_TRUE(MoveSelectedUp(Selection("-x--")).Moved);
    EXPECT_TRUE(MoveSelectedDown(Selection("x---")).Moved);
}

} // namespace
