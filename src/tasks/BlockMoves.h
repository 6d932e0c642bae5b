#pragma once
// Moving the selected rows of a list one place up or down. Rows are visited
// in the direction of the move and each selected row trades places with its
// neighbour, so a run of adjacent selected rows moves as a block. The
// neighbour itself is not tested: two selected rows at the edge trade places
// and only the one at the edge stays selected.
#include <vector>

struct BlockMove {
    std::vector<int> Order;       // Order[newRow] is the row that ends up there
    std::vector<bool> Selected;   // the selection afterwards, by new row
    bool Moved = false;           // false: nothing changed at all
};

BlockMove MoveSelectedUp(const std::vector<bool>& selected);
BlockMove MoveSelectedDown(const std::vector<bool>& selected);
