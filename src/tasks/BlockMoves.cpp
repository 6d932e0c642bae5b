#include "tasks/BlockMoves.h"

#include <numeric>
#include <utility>

namespace {

BlockMove Unmoved(const std::vector<bool>& selected)
{
    BlockMove move;
    move.Order.resize(selected.size());
    std::iota(move.Order.begin(), move.Order.end(), 0);
    move.Selected = selected;
    return move;
}

// One exchange of row `from` with row `to`; the selection goes to `to`.
void Exchange(BlockMove& move, std::size_t from, std::size_t to)
{
    std::swap(move.Order[from], move.Order[to]);
    move.Selected[to] = true;
    move.Selected[from] = false;
    move.Moved = true;
}

} // namespace

BlockMove MoveSelectedUp(const std::vector<bool>& selected)
{
    BlockMove move = Unmoved(selected);
    for (std::size_t row = 1; row < selected.size(); ++row)
        if (move.Selected[row])
            Exchange(move, row, row - 1);
    return move;
}

BlockMove MoveSelectedDown(const std::vector<bool>& selected)
{
    BlockMove move = Unmoved(selected);
    for (std::size_t row = selected.size(); row-- > 1;)
        if (move.Selected[row - 1])
            Exchange(move, row - 1, row);
    return move;
}
