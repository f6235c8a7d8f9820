// The undo stack: newest on top, and every step kept, even one equal to the step before.
#include "UndoHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

BoardSnapshot AllOf(char digit) { return BoardSnapshot(std::string(CellCount, digit)); }

TEST(UndoHistoryTest, PopsComeBackNewestFirst)
{
    UndoHistory history;
    for (char digit : std::string("567"))
        history.Push(AllOf(digit));
    EXPECT_EQ(history.Size(), 3);
    for (char digit : std::string("765")) {
        ASSERT_FALSE(history.Empty());
        EXPECT_EQ(history.Top(), AllOf(digit));
        history.Pop();
    }
    EXPECT_TRUE(history.Empty());
}

TEST(UndoHistoryTest, EqualSnapshotsAreStillSeparateEntries)
{
    UndoHistory history;
    history.Push(AllOf('7'));
    history.Push(AllOf('7'));
    history.Pop();
    EXPECT_EQ(history.Size(), 1);
    EXPECT_EQ(history.Top(), AllOf('7'));
}

} // namespace
