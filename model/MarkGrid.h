// The player's 100 marks as the puzzle rules see them, whatever holds them.
#pragma once

#include "PieceKind.h"

#include <array>

class MarkGrid {
public:
    virtual ~MarkGrid() = default;
    virtual PieceKind MarkAt(int row, int column) const = 0;
    virtual void SetMark(int row, int column, PieceKind kind) = 0;

    // All 100 marks in cell order. A holder that keeps them together hands them over in one step, which
    // spares the rules that read the whole marking a call per cell.
    virtual std::array<PieceKind, CellCount> AllMarks() const
    {
        std::array<PieceKind, CellCount> all;
        for (int index = 0; index < CellCount; ++index)
            all[index] = MarkAt(index / BoardSize, index % BoardSize);
        return all;
    }
};

// Marks held in a plain array, all UNKNOWN to begin with.
class ArrayMarkGrid final : public MarkGrid {
public:
    ArrayMarkGrid() { marks.fill(UNKNOWN); }

    PieceKind MarkAt(int row, int column) const override { return marks[CellIndex(row, column)]; }
    void SetMark(int row, int column, PieceKind kind) override { marks[CellIndex(row, column)] = kind; }
    std::array<PieceKind, CellCount> AllMarks() const override { return marks; }

private:
    std::array<PieceKind, CellCount> marks;
};
