// The player's 100 marks as the puzzle rules see them, whatever holds them.
#pragma once

#include "PieceKind.h"

#include <array>

class MarkGrid {
public:
    virtual ~MarkGrid() = default;
    virtual PieceKind MarkAt(int row, int column) const = 0;
    virtual void SetMark(int row, int column, PieceKind kind) = 0;
};

// Marks held in a plain array, all UNKNOWN to begin with.
class ArrayMarkGrid final : public MarkGrid {
public:
    ArrayMarkGrid() { marks.fill(UNKNOWN); }

    PieceKind MarkAt(int row, int column) const override { return marks[CellIndex(row, column)]; }
    void SetMark(int row, int column, PieceKind kind) override { marks[CellIndex(row, column)] = kind; }

private:
    std::array<PieceKind, CellCount> marks;
};
