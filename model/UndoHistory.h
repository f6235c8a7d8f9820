// The stack of markings that Undo can go back to, newest on top.
#pragma once

#include "BoardSnapshot.h"

#include <vector>

class UndoHistory {
public:
    void Push(BoardSnapshot snapshot);
    // Pop and Top expect a non-empty history.
    void Pop();
    const BoardSnapshot& Top() const { return entries.back(); }
    void Clear();
    int Size() const { return static_cast<int>(entries.size()); }
    bool Empty() const { return entries.empty(); }

private:
    std::vector<BoardSnapshot> entries;
};
