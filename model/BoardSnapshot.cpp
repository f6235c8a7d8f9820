// Marks to and from the 100-digit snapshot text that the undo history keeps.
#include "BoardSnapshot.h"

BoardSnapshot BoardSnapshot::Take(const MarkGrid& marks)
{
    std::string text;
    text.reserve(CellCount);
    for (PieceKind mark : marks.AllMarks())
        text += KindToText(mark);
    return BoardSnapshot(std::move(text));
}

PieceKind BoardSnapshot::KindAt(int row, int column) const
{
    return KindFromText(std::string_view(text).substr(CellIndex(row, column), 1));
}

std::vector<int> BoardSnapshot::CellsChangedSince(const BoardSnapshot& before) const
{
    std::vector<int> changed;
    for (int index = 0; index < CellCount; ++index)
        if (text[index] != before.text[index])
            changed.push_back(index);
    return changed;
}
