// Speed of the fleet count over the games of 1,000 seeds, and what the counts say about those games.
#include "FleetSolver.h"
#include "PuzzleRules.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Targets on the reference machine: the window's count for the notice, any evidence of these games.
constexpr double MedianTargetMilliseconds = 10;
constexpr double SlowestTargetMilliseconds = 100;

constexpr std::uint32_t FirstSeed = 1;
constexpr std::uint32_t SeedCount = 1000;
// Every ship cell of a fleet revealed: nothing is left to count after that.
constexpr int CluesPerGame = 20;
// The yardstick, timed before the counts of every seed: this many fleets drawn by the generator.
constexpr int YardstickLayouts = 1000;
// Counts past the game's cap, to compare the spread of the counts with other measurements.
constexpr int NoCap = 10'000'000;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The value below which the given share of the samples lies (0.5: the median).
template <class T> double Quantile(std::vector<T> samples, double share)
{
    std::sort(samples.begin(), samples.end());
    const double position = share * static_cast<double>(samples.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, samples.size() - 1);
    return samples[below] + (position - static_cast<double>(below)) * (samples[above] - samples[below]);
}

double Yardstick()
{
    GameRandom random;
    random.Seed(0);
    Board board;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < YardstickLayouts; ++i) {
        GenerateLayout(board, random);
        benchmark::DoNotOptimize(board);
    }
    return SecondsSince(start);
}

struct Timed {
    double seconds;
    double yardsticks; // the same time over the yardstick's, timed just before
};

struct Sweep {
    std::vector<Timed> countsAlone;
    std::vector<Timed> afterClues;
    std::vector<int> fleetsByCounts;     // without a cap
    std::vector<int> cluesUntilOneFits;  // in the game's own order
    // After 5 and after 10 clues: the share of the fleets still fitting that are not the hidden one.
    std::vector<double> othersAfter5, othersAfter10;
};

// One seed's game as a player who only takes clues plays it: the counts, then each clue in the order the game
// gives them, with a count before the first clue and after every one.
void PlaySeed(std::uint32_t seed, Sweep& sweep)
{
    const double yardstick = Yardstick();
    GameRandom random;
    random.Seed(seed);
    Board layout;
    GenerateLayout(layout, random);
    FleetEvidence evidence = FleetEvidence::CountsOf(layout);
    ArrayMarkGrid marks;
    sweep.fleetsByCounts.push_back(FleetSolver(evidence).Count(NoCap).fleets);
    int untilOne = -1;
    for (int clues = 0; clues <= CluesPerGame; ++clues) {
        const Clock::time_point start = Clock::now();
        const FleetCount count = FleetSolver(evidence).Count();
        const double seconds = SecondsSince(start);
        (clues == 0 ? sweep.countsAlone : sweep.afterClues).push_back({seconds, seconds / yardstick});
        if (count.fleets == 1 && !count.moreThan && untilOne < 0)
            untilOne = clues;
        if (clues == 5 || clues == 10)
            (clues == 5 ? sweep.othersAfter5 : sweep.othersAfter10)
                .push_back(count.moreThan ? 1.0 : (count.fleets - 1.0) / count.fleets);
        const std::optional<CellPosition> cell = ChooseClueCell(layout, marks, random);
        if (!cell)
            break;
        marks.SetMark(cell->row, cell->column, layout.At(cell->row, cell->column));
        evidence.Reveal(cell->row, cell->column, layout.At(cell->row, cell->column));
    }
    sweep.cluesUntilOneFits.push_back(untilOne);
}

std::vector<double> Each(const std::vector<Timed>& timed, double Timed::*measure)
{
    std::vector<double> values;
    for (const Timed& one : timed)
        values.push_back(one.*measure);
    return values;
}

void PrintTimes(const char* name, const std::vector<Timed>& timed)
{
    const std::vector<double> seconds = Each(timed, &Timed::seconds);
    const double median = Quantile(seconds, 0.5) * 1e3;
    const double slowest = Quantile(seconds, 1.0) * 1e3;
    std::printf("  %-30s %6zu counts: median %7.3f ms (target %.0f) %s, slowest %7.3f ms (target %.0f) %s\n", name,
                timed.size(), median, MedianTargetMilliseconds, median <= MedianTargetMilliseconds ? "met" : "MISSED",
                slowest, SlowestTargetMilliseconds, slowest <= SlowestTargetMilliseconds ? "met" : "MISSED");
    const std::vector<double> ratios = Each(timed, &Timed::yardsticks);
    std::printf("  %-30s in yardsticks: median %.3f, slowest %.3f\n", "", Quantile(ratios, 0.5), Quantile(ratios, 1.0));
}

void PrintSpread(const char* name, const std::vector<int>& values)
{
    std::printf("  %-30s least %g, lower quartile %g, median %g, upper quartile %g, most %g\n", name,
                Quantile(values, 0), Quantile(values, 0.25), Quantile(values, 0.5), Quantile(values, 0.75),
                Quantile(values, 1));
}

double Mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double value : values)
        sum += value;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);

    // The single count the window makes most: a game's counts alone.
    benchmark::RegisterBenchmark("Count, seed 1's counts alone", [](benchmark::State& state) {
        GameRandom random;
        random.Seed(FirstSeed);
        Board layout;
        GenerateLayout(layout, random);
        const FleetEvidence evidence = FleetEvidence::CountsOf(layout);
        for (auto _ : state)
            benchmark::DoNotOptimize(FleetSolver(evidence).Count());
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Yardstick: 1,000 fleets drawn", [](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(Yardstick());
    })->Unit(benchmark::kMillisecond);

    Sweep sweep;
    benchmark::RegisterBenchmark("Counts of 1,000 games, each seed after the yardstick", [&](benchmark::State& state) {
        for (auto _ : state) {
            const Clock::time_point start = Clock::now();
            for (std::uint32_t seed = FirstSeed; seed < FirstSeed + SeedCount; ++seed)
                PlaySeed(seed, sweep);
            state.SetIterationTime(SecondsSince(start));
        }
    })->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (sweep.countsAlone.empty())
        return 0;

    std::vector<Timed> all = sweep.countsAlone;
    all.insert(all.end(), sweep.afterClues.begin(), sweep.afterClues.end());
    std::printf("\nCounting the fleets that fit, seeds %u to %u, capped at %d as in the game:\n", FirstSeed,
                FirstSeed + SeedCount - 1, FleetSolver::CountCap);
    PrintTimes("counts alone", sweep.countsAlone);
    PrintTimes("after each clue", sweep.afterClues);
    PrintTimes("all counts", all);
    std::printf("\nWhat the counts say about these games:\n");
    PrintSpread("fleets fitting the counts", sweep.fleetsByCounts);
    PrintSpread("clues until only one fits", sweep.cluesUntilOneFits);
    std::printf("  %-30s %zu of %zu\n", "games with one fleet at once",
                static_cast<size_t>(std::count(sweep.fleetsByCounts.begin(), sweep.fleetsByCounts.end(), 1)),
                sweep.fleetsByCounts.size());
    std::printf("  %-30s after 5 clues %.0f %%, after 10 clues %.0f %% (the mean over the games)\n",
                "fitting but not hidden", Mean(sweep.othersAfter5) * 100, Mean(sweep.othersAfter10) * 100);
    return 0;
}
