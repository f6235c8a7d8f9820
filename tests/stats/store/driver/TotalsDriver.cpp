// Changes the totals as a copy of the game does, for the tests that run several copies at once or kill one.
//
//   totals_driver FILE|--user read
//   totals_driver FILE|--user wins COUNT SCORE [hold|step]
//   totals_driver FILE|--user clear
//
// --user is the file the game itself uses; FILE is taken byte for byte. Each operation prints one line as
// soon as it is done: "kept GAMES SCORE", "deferred GAMES SCORE" (the wins wait beside the file, which
// another copy holds), "failed SENTENCE" or "notstored"; a save made without the lock says why on standard
// error. With hold, the driver then waits until its
// standard input closes, so that a test can kill it right after a win; with step, it waits for a line on
// its standard input before each win, so that a test can act between two wins of a running copy.
#include "TotalsStore.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Report(const TotalsOutcome& outcome)
{
    if (!outcome.warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(outcome.warning));
    switch (outcome.kind) {
    case TotalsOutcome::Kept: std::printf("kept %d %d\n", outcome.totals.games, outcome.totals.score); break;
    case TotalsOutcome::Deferred: std::printf("deferred %d %d\n", outcome.totals.games, outcome.totals.score); break;
    case TotalsOutcome::Failed: std::printf("failed %s\n", qPrintable(outcome.failure)); break;
    case TotalsOutcome::NotStored: std::printf("notstored\n"); break;
    }
    std::fflush(stdout);
}

// False once the standard input has closed.
bool WaitForLine()
{
    for (int c = std::getchar(); c != '\n'; c = std::getchar())
        if (c == EOF)
            return false;
    return true;
}

int Usage()
{
    std::fprintf(stderr, "usage: totals_driver FILE|--user read|clear|wins COUNT SCORE [hold|step]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string_view where = argv[1];
    const std::string_view operation = argv[2];
    TotalsStore store = where == "--user" ? TotalsStore::ForUser(QStringLiteral("Brindlemoor"), QStringLiteral("corvane"))
                                          : TotalsStore(QByteArray(argv[1]));
    if (operation == "read") {
        Report(store.Read());
    } else if (operation == "clear") {
        Report(store.Clear());
    } else if (operation == "wins" && argc >= 5) {
        const int count = std::atoi(argv[3]);
        const int score = std::atoi(argv[4]);
        const std::string_view mode = argc >= 6 ? argv[5] : "";
        for (int i = 0; i < count; ++i) {
            if (mode == "step" && !WaitForLine())
                break;
            Report(store.Add({1, score}));
        }
        if (mode == "hold")
            while (std::getchar() != EOF) {
            }
    } else {
        return Usage();
    }
    return 0;
}
