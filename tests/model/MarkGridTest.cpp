// Handing over all marks at once, for holders that keep them in one place and for those that do not.
#include "BoardPicture.h"
#include "MarkGrid.h"

#include <gtest/gtest.h>

namespace {

// Answers only cell by cell, as the game window's cells do.
class CellByCellMarks final : public MarkGrid {
public:
    explicit CellByCellMarks(const MarkGrid& source) : source(source) {}
    PieceKind MarkAt(int row, int column) const override { return source.MarkAt(row, column); }
    void SetMark(int, int, PieceKind) override {}

private:
    const MarkGrid& source;
};

TEST(MarkGridTest, AllMarksComeInCellOrderEitherWay)
{
    const ArrayMarkGrid marks = MarksFromPicture(R"(
        ^?????????
        #?????????
        v?????????
        ??????????
        ??????????
        ??????????
        ??????????
        ??????????
        ??????????
        ..o??????<
    )");
    const std::array<PieceKind, CellCount> all = CellByCellMarks(marks).AllMarks();
    EXPECT_EQ(all, marks.AllMarks());
    EXPECT_EQ(all[0], NORTH);
    EXPECT_EQ(all[10], SQUARE);
    EXPECT_EQ(all[20], SOUTH);
    EXPECT_EQ(all[92], ROUND);
    EXPECT_EQ(all[99], WEST);
}

} // namespace
