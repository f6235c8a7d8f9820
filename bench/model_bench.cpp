// Speed of the puzzle model's busiest operations.
#include "BoardSnapshot.h"
#include "FleetGenerator.h"
#include "PuzzleRules.h"

#include <benchmark/benchmark.h>

namespace {

// The marks equal to the layout: IsSolved has to look at all 100 cells.
ArrayMarkGrid MarksOf(const Board& layout)
{
    ArrayMarkGrid marks;
    for (int row = 0; row < BoardSize; ++row)
        for (int column = 0; column < BoardSize; ++column)
            marks.SetMark(row, column, layout.At(row, column));
    return marks;
}

Board LayoutOfSeed(std::uint32_t seed)
{
    GameRandom random;
    random.Seed(seed);
    Board layout;
    GenerateLayout(layout, random);
    return layout;
}

// One game after another from the same source, as in a long run of the program.
void BM_GenerateLayout(benchmark::State& state)
{
    GameRandom random;
    random.Seed(0);
    Board board;
    for (auto _ : state) {
        GenerateLayout(board, random);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_GenerateLayout);

// The first clue of a game: every mark still UNKNOWN.
void BM_ChooseClueCellFreshBoard(benchmark::State& state)
{
    const Board layout = LayoutOfSeed(0);
    const ArrayMarkGrid marks;
    GameRandom random;
    random.Seed(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ChooseClueCell(layout, marks, random));
}
BENCHMARK(BM_ChooseClueCellFreshBoard);

void BM_IsSolvedAllCells(benchmark::State& state)
{
    const Board layout = LayoutOfSeed(0);
    const ArrayMarkGrid marks = MarksOf(layout);
    for (auto _ : state)
        benchmark::DoNotOptimize(IsSolved(layout, marks));
}
BENCHMARK(BM_IsSolvedAllCells);

void BM_SnapshotTake(benchmark::State& state)
{
    const ArrayMarkGrid marks = MarksOf(LayoutOfSeed(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BoardSnapshot::Take(marks));
}
BENCHMARK(BM_SnapshotTake);

// Equal snapshots, the comparison that reads every character.
void BM_SnapshotCompare(benchmark::State& state)
{
    const ArrayMarkGrid marks = MarksOf(LayoutOfSeed(0));
    const BoardSnapshot before = BoardSnapshot::Take(marks);
    const BoardSnapshot after = BoardSnapshot::Take(marks);
    for (auto _ : state) {
        benchmark::DoNotOptimize(before);
        benchmark::DoNotOptimize(before == after);
    }
}
BENCHMARK(BM_SnapshotCompare);

} // namespace
