// The whole marking as a 100-character text, one digit per cell in cell order.
#pragma once

#include "MarkGrid.h"

#include <string>
#include <vector>

class BoardSnapshot {
public:
    BoardSnapshot() = default;
    // text holds 100 digits "0".."7".
    explicit BoardSnapshot(std::string text) : text(std::move(text)) {}

    static BoardSnapshot Take(const MarkGrid& marks);

    PieceKind KindAt(int row, int column) const;
    // The cells, by index in cell order, whose mark differs from before; both snapshots hold 100 digits.
    std::vector<int> CellsChangedSince(const BoardSnapshot& before) const;
    const std::string& Text() const { return text; }

    friend bool operator==(const BoardSnapshot&, const BoardSnapshot&) = default;

private:
    std::string text;
};
