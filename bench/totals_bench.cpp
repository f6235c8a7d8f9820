// What saving a win costs, against the least that a save outliving a power cut does: write a file beside the
// totals, sync it and rename it over them (and, as the store also does, sync the folder).
#include "TotalsStore.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QByteArray Text = "[Stats]\nTotalGames=12\nTotalScore=34\n";

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Write, sync, rename; and the folder synced after when asked.
void BareSave(const QByteArray& folder, bool syncFolder)
{
    const QByteArray temporary = folder + "/.bare.conf.new";
    const int file = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0 || ::write(file, Text.constData(), static_cast<std::size_t>(Text.size())) != Text.size() || ::fsync(file) != 0 ||
        ::close(file) != 0 || ::rename(temporary.constData(), (folder + "/bare.conf").constData()) != 0)
        std::abort();
    if (syncFolder) {
        const int opened = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(opened);
        ::close(opened);
    }
}

// A win saved through the store and the two bare saves, timed in turn in each round and in a new order
// each round, in a folder on the disk the benchmark runs from (not a memory file system, where a sync costs
// nothing); each ratio is the median of the rounds' ratios.
void SaveAgainstBareWrite(benchmark::State& state)
{
    QTemporaryDir folder(QDir::currentPath() + "/totals-bench-XXXXXX");
    const QByteArray path = QFile::encodeName(folder.path());
    TotalsStore store(QByteArray(path + "/corvane.conf"));
    std::vector<double> saves;
    std::vector<double> bares;
    std::vector<double> baresSyncingTheFolder;
    std::vector<double> ratios;
    std::vector<double> ratiosSyncingTheFolder;
    int round = 0;
    for (auto _ : state) {
        double save = 0;
        double bare = 0;
        double bareSyncingTheFolder = 0;
        for (int turn = 0; turn < 3; ++turn) {
            const Clock::time_point start = Clock::now();
            switch ((turn + round) % 3) {
            case 0:
                if (store.Add({1, 1}).kind != TotalsOutcome::Kept)
                    state.SkipWithError("the save failed");
                save = SecondsSince(start);
                break;
            case 1:
                BareSave(path, false);
                bare = SecondsSince(start);
                break;
            default:
                BareSave(path, true);
                bareSyncingTheFolder = SecondsSince(start);
                break;
            }
        }
        ++round;
        saves.push_back(save);
        bares.push_back(bare);
        baresSyncingTheFolder.push_back(bareSyncingTheFolder);
        ratios.push_back(save / bare);
        ratiosSyncingTheFolder.push_back(save / bareSyncingTheFolder);
        state.SetIterationTime(save + bare + bareSyncingTheFolder);
    }
    state.counters["save_ms"] = Median(saves) * 1e3;
    state.counters["bare_ms"] = Median(bares) * 1e3;
    state.counters["bare_folder_sync_ms"] = Median(baresSyncingTheFolder) * 1e3;
    state.counters["save_over_bare"] = Median(ratios);
    state.counters["save_over_bare_folder_sync"] = Median(ratiosSyncingTheFolder);
}

BENCHMARK(SaveAgainstBareWrite)->UseManualTime()->Iterations(300)->Unit(benchmark::kMillisecond);

} // namespace
