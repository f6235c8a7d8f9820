// Changes the totals as a copy of the game does, for the tests that run several copies at once or kill one.
//
//   totals_driver FILE|--user read
//   totals_driver FILE|--user wins COUNT SCORE [hold]
//   totals_driver FILE|--user clear
//
// --user is the file the game itself uses. Each operation prints one line as soon as it is done:
// "kept GAMES SCORE", "failed SENTENCE" or "notstored". With hold, the driver then waits until its
// standard input closes, so that a test can kill it right after a win.
#include "TotalsStore.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void Report(const TotalsOutcome& outcome)
{
    switch (outcome.kind) {
    case TotalsOutcome::Kept: std::printf("kept %d %d\n", outcome.totals.games, outcome.totals.score); break;
    case TotalsOutcome::Failed: std::printf("failed %s\n", qPrintable(outcome.failure)); break;
    case TotalsOutcome::NotStored: std::printf("notstored\n"); break;
    }
    std::fflush(stdout);
}

int Usage()
{
    std::fprintf(stderr, "usage: totals_driver FILE|--user read|clear|wins COUNT SCORE [hold]\n");
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
                                          : TotalsStore(QString::fromLocal8Bit(argv[1]));
    if (operation == "read") {
        Report(store.Read());
    } else if (operation == "clear") {
        Report(store.Clear());
    } else if (operation == "wins" && argc >= 5) {
        const int count = std::atoi(argv[3]);
        const int score = std::atoi(argv[4]);
        for (int i = 0; i < count; ++i)
            Report(store.Add({1, score}));
        if (argc >= 6 && std::string_view(argv[5]) == "hold")
            while (std::getchar() != EOF) {
            }
    } else {
        return Usage();
    }
    return 0;
}
