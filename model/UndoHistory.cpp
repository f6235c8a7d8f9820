// The undo stack of snapshots.
#include "UndoHistory.h"

void UndoHistory::Push(BoardSnapshot snapshot) { entries.push_back(std::move(snapshot)); }

void UndoHistory::Pop() { entries.pop_back(); }

void UndoHistory::Clear()
{
    // Emptying a game's history also gives its storage back.
    std::vector<BoardSnapshot>().swap(entries);
}
