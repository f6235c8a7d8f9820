// Times the game window's handlers one call at a time, as its controls call them, and the real program's
// start until its window is shown.
#include "CBitmapButton.h"
#include "CCorvaneDlg.h"
#include "CorvaneResources.h"
#include "CWinApp.h"
#include "GameRandom.h"
#include "NestedLoopDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Targets on the reference machine.
constexpr double HandlerTargetMilliseconds = 1.0;
constexpr double StartToWindowTargetRatio = 1.3;
// What speaking another language than English may add to the start.
constexpr double LanguageTargetMilliseconds = 5.0;

// Each round starts the game and its yardsticks once, one after the other.
constexpr int StartToWindowRounds = 61;

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

// The value below which the given share of the samples lies (0.5: the median).
double Quantile(std::vector<double> samples, double share)
{
    std::sort(samples.begin(), samples.end());
    const double position = share * static_cast<double>(samples.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, samples.size() - 1);
    return samples[below] + (position - static_cast<double>(below)) * (samples[above] - samples[below]);
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Each iteration measures one call (its preparation untimed); the reported figure is the median call.
template <class Measure> double ReportEachCall(benchmark::State& state, Measure measure)
{
    std::vector<double> seconds;
    for (auto _ : state) {
        const double elapsed = measure();
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
    }
    const double median = Median(seconds);
    state.counters["median_ms"] = median * 1e3;
    return median;
}

// The game window as the program shows it, offscreen, played through its controls as the player plays it:
// its buttons clicked, the piece menu and the Give Up question answered as they open. A click that met
// anything else than it expected is noted in trouble.
class GameWindow {
public:
    GameWindow()
    {
        random.Seed(0);
        AfxGetApp()->m_pMainWnd = &dialog;
        dialog.Create();
        dialog.show();
        StartGame();
    }

    bool InProgress() const { return dialog.GetDlgItem(IDC_CLUE)->isEnabled(); }
    bool CanUndo() const { return dialog.GetDlgItem(IDC_UNDO)->isEnabled(); }

    // Each returns the seconds its handler took, as its control called it.
    double StartGame()
    {
        if (InProgress())
            GiveUp();
        return TimedClick(IDC_START_GAME);
    }

    // From the moment the choice is entered in the piece menu of cell (4, 4) to the end of the click that
    // opened it: the command and the return from the menu. North and water by turns, so that every command
    // changes the cell and leaves a step for Undo.
    double ChangeTheCell()
    {
        Clock::time_point entered;
        NestedLoopDriver driver;
        const PieceKind piece = ++commands % 2 ? NORTH : WATER;
        driver.ExpectMenu(MenuChoice::Arrows(int(IDC_FIRST_PIECE_COMMAND) + piece, [&entered] { entered = Clock::now(); }));
        ClickWith(driver, dialog.CellAt(4, 4));
        return SecondsSince(entered);
    }

    double Undo() { return TimedClick(IDC_UNDO); }

    // From the answer Yes to the end of the click on Give Up.
    double GiveUp()
    {
        if (!InProgress())
            StartGame();
        Clock::time_point answered;
        NestedLoopDriver driver;
        driver.ExpectPrompt([&answered](QMessageBox& box) {
            answered = Clock::now();
            QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
        });
        ClickWith(driver, dialog.GetDlgItem(IDC_GIVE_UP));
        return SecondsSince(answered);
    }

    std::string trouble;

private:
    // From the button's release, which the button draws before it tells of the click, to the end of the
    // click: the handler and the return from it.
    double TimedClick(int id)
    {
        auto* button = dialog.Item<QAbstractButton>(id);
        Clock::time_point released;
        const QMetaObject::Connection stamp =
            QObject::connect(button, &QAbstractButton::released, [&released] { released = Clock::now(); });
        NestedLoopDriver nothingOpens;
        ClickWith(nothingOpens, button);
        QObject::disconnect(stamp);
        return SecondsSince(released);
    }

    void ClickWith(NestedLoopDriver& driver, QWidget* control)
    {
        QTest::mouseClick(control, Qt::LeftButton);
        if (!driver.AllSeen())
            trouble = "a window the click should open did not open";
        for (const std::string& unexpected : driver.Unexpected())
            trouble = "unexpected " + unexpected;
    }

    GameRandom random;
    CCorvaneDlg dialog{random};
    long commands = 0;
};

// Each iteration measures one call (its preparation untimed); the reported figure is the median call. A game
// window that went otherwise than the benchmark expected ends it with an error.
template <class Measure> double ReportEachCall(benchmark::State& state, const GameWindow& window, Measure measure)
{
    const double median = ReportEachCall(state, measure);
    if (!window.trouble.empty())
        state.SkipWithError(window.trouble.c_str());
    return median;
}

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// A program's start until its first window had been painted: the time that passed, the processor time the
// program used meanwhile (which a busy machine stretches far less), and the window's size.
struct StartupTime {
    double seconds = 0;
    double processorSeconds = 0;
    QSize windowSize;
    double residentKilobytes = 0; // the memory it held once its window was shown
};

// Starts a program with the start-up probe loaded into it; all zero when the program did not report its window.
// It runs offscreen with accessibility as the desktop leaves it, unless extra ("NAME=value" each) says otherwise.
StartupTime StartToWindow(const QString& program, const QStringList& arguments, const QString& configFolder,
                          const QStringList& extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.remove("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    for (const QString& variable : extra)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    environment.insert("XDG_CONFIG_HOME", configFolder);
    environment.insert("LD_PRELOAD", STARTUP_PROBE);
    QProcess process;
    process.setProcessEnvironment(environment);
    const long long start = MonotonicNanoseconds();
    process.start(program, arguments);
    process.waitForFinished(60000);
    const QStringList report =
        QString::fromLocal8Bit(process.readAllStandardOutput()).simplified().split(' ', Qt::SkipEmptyParts);
    if (report.size() != 6 || report[0] != "shown") {
        std::fprintf(stderr, "%s did not report its window\n", qPrintable(program));
        return {};
    }
    return {(report[1].toLongLong() - start) / 1e9, report[4].toLongLong() / 1e9,
            QSize(report[2].toInt(), report[3].toInt()), report[5].toDouble()};
}

// A program timed from its start until its window shows, with its times in every round so far.
struct StartupContender {
    const char* name;
    QString program;
    QStringList arguments;
    QStringList environment;
    std::vector<StartupTime> rounds;
};

std::vector<double> Each(const std::vector<StartupTime>& rounds, double StartupTime::*measure)
{
    std::vector<double> values;
    for (const StartupTime& round : rounds)
        values.push_back(round.*measure);
    return values;
}

// How much slower the game started than a yardstick, round by round: both were started within moments of
// each other, so a busy spell of the machine lies on both sides of each ratio, and their median holds still
// where a ratio of two medians taken minutes apart did not.
std::vector<double> RatiosPerRound(const StartupContender& game, const StartupContender& yardstick,
                                   double StartupTime::*measure)
{
    std::vector<double> ratios;
    for (size_t round = 0; round < game.rounds.size(); ++round)
        ratios.push_back(game.rounds[round].*measure / yardstick.rounds[round].*measure);
    return ratios;
}

// Starts each contender in turn, round after round; the first is the one measured against the others.
void StartInTurn(benchmark::State& state, std::vector<StartupContender>& contenders, const QString& configFolder)
{
    // The first start of each program reads it from disk; no later one does.
    for (const StartupContender& contender : contenders)
        StartToWindow(contender.program, contender.arguments, configFolder, contender.environment);
    for (auto _ : state) {
        std::vector<StartupTime> round;
        for (const StartupContender& contender : contenders)
            round.push_back(StartToWindow(contender.program, contender.arguments, configFolder, contender.environment));
        if (std::any_of(round.begin(), round.end(), [](const StartupTime& time) { return time.seconds <= 0; })) {
            state.SkipWithError("a program did not report its window");
            break;
        }
        for (size_t i = 0; i < contenders.size(); ++i)
            contenders[i].rounds.push_back(round[i]);
        state.SetIterationTime(round.front().seconds);
    }
    for (size_t i = 1; i < contenders.size() && !contenders[0].rounds.empty(); ++i)
        state.counters[std::string("ratio to ") + contenders[i].name] =
            Median(RatiosPerRound(contenders[0], contenders[i], &StartupTime::seconds));
}

// The medians of each contender, and the first against each other one, round by round; target 0 is none.
void PrintInTurn(const std::vector<StartupContender>& contenders, double target)
{
    const StartupContender& game = contenders.front();
    if (game.rounds.empty())
        return;
    QStringList times;
    for (const StartupContender& contender : contenders)
        times << QStringLiteral("%1 %2 ms (processor %3 ms)")
                     .arg(contender.name)
                     .arg(Median(Each(contender.rounds, &StartupTime::seconds)) * 1e3, 0, 'f', 1)
                     .arg(Median(Each(contender.rounds, &StartupTime::processorSeconds)) * 1e3, 0, 'f', 1);
    std::printf("  start to window, medians of %zu rounds: %s\n", game.rounds.size(), qPrintable(times.join(", ")));
    for (auto other = contenders.begin() + 1; other != contenders.end(); ++other) {
        const std::vector<double> ratios = RatiosPerRound(game, *other, &StartupTime::seconds);
        const double ratio = Median(ratios);
        std::printf("  %s against the %s: ratio %.2f per round (middle half %.2f to %.2f; processor time %.2f)",
                    game.name, other->name, ratio, Quantile(ratios, 0.25), Quantile(ratios, 0.75),
                    Median(RatiosPerRound(game, *other, &StartupTime::processorSeconds)));
        if (target > 0)
            std::printf(" (target %.1f) %s", target, ratio <= target ? "met" : "MISSED");
        std::printf("\n");
    }
}

// Each contender against one of them, round by round: how much later its window showed, how much more
// processor time and memory it took.
void PrintAgainst(const StartupContender& base, const std::vector<const StartupContender*>& others, double target)
{
    if (base.rounds.empty())
        return;
    const auto differences = [&base](const StartupContender& other, double StartupTime::*measure, double unit) {
        std::vector<double> more;
        for (size_t round = 0; round < base.rounds.size(); ++round)
            more.push_back((other.rounds[round].*measure - base.rounds[round].*measure) * unit);
        return more;
    };
    std::printf("  %s: start to window %.1f ms, processor %.1f ms, %.0f kB resident (medians of %zu rounds)\n", base.name,
                Median(Each(base.rounds, &StartupTime::seconds)) * 1e3,
                Median(Each(base.rounds, &StartupTime::processorSeconds)) * 1e3,
                Median(Each(base.rounds, &StartupTime::residentKilobytes)), base.rounds.size());
    for (const StartupContender* other : others) {
        const std::vector<double> later = differences(*other, &StartupTime::seconds, 1e3);
        const std::vector<double> processor = differences(*other, &StartupTime::processorSeconds, 1e3);
        std::printf("    %-22s %+6.2f ms per round (middle half %+.2f to %+.2f), ratio %.3f; processor %+.2f ms; "
                    "memory %+.0f kB",
                    other->name, Median(later), Quantile(later, 0.25), Quantile(later, 0.75),
                    Median(RatiosPerRound(*other, base, &StartupTime::seconds)), Median(processor),
                    Median(differences(*other, &StartupTime::residentKilobytes, 1)));
        if (target > 0)
            std::printf(" (target +%.0f ms) %s", target, Median(later) <= target ? "met" : "MISSED");
        std::printf("\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The user's own settings stay untouched: this run and every program it starts keep theirs here.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    CWinApp app{CorvaneResources::Instance(), {}};
    GameWindow window;

    double startGame = 0, pieceCommand = 0, undo = 0, giveUp = 0;
    benchmark::RegisterBenchmark("OnStartGame (Start Game clicked after Give Up)", [&](benchmark::State& state) {
        startGame = ReportEachCall(state, window, [&] { return window.StartGame(); });
    })->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnPieceCommand (both snapshots, from the choice in the menu)", [&](benchmark::State& state) {
        window.StartGame();
        pieceCommand = ReportEachCall(state, window, [&] { return window.ChangeTheCell(); });
    })->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnUndo (100 enabled cells)", [&](benchmark::State& state) {
        window.StartGame();
        undo = ReportEachCall(state, window, [&] {
            if (!window.CanUndo())
                for (int i = 0; i < 500; ++i)
                    window.ChangeTheCell();
            return window.Undo();
        });
    })->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnGiveUp (after Yes)", [&](benchmark::State& state) {
        giveUp = ReportEachCall(state, window, [&] { return window.GiveUp(); });
    })->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

    const QSize windowSize = StartToWindow(CORVANE_PROGRAM, {}, config.path()).windowSize;
    const QStringList bareSize{QString::number(windowSize.width()), QString::number(windowSize.height())};
    // A dialog without a single letter never starts the font machinery, which any window with text pays for.
    const QStringList textSize = bareSize + QStringList{QStringLiteral("Corvane")};
    std::vector<StartupContender> contenders{{"corvane", CORVANE_PROGRAM, {}, {}, {}},
                                             {"bare dialog", BARE_DIALOG, bareSize, {}, {}},
                                             {"bare dialog with one label", BARE_DIALOG, textSize, {}, {}}};
    benchmark::RegisterBenchmark("Start to window: corvane, bare dialog, bare dialog with one label, in turn",
                                 [&](benchmark::State& state) { StartInTurn(state, contenders, config.path()); })
        ->UseManualTime()->Iterations(StartToWindowRounds)->Unit(benchmark::kMillisecond);

    // The program speaking each language it has a catalogue of, in turn with English: what finding and
    // loading the catalogues (its own and the toolkit's) and the desktop's fonts of other scripts add to the
    // start. Beside them, bare dialogs with one label in English, Japanese and Arabic: what any window
    // pays for a first text in a script its dialog font lacks.
    const auto bareWith = [&bareSize](const char* text) { return bareSize + QStringList{QString::fromUtf8(text)}; };
    std::vector<StartupContender> languages{
        {"corvane in English", CORVANE_PROGRAM, {}, {QStringLiteral("LANGUAGE=en")}, {}},
        {"in German", CORVANE_PROGRAM, {}, {QStringLiteral("LANGUAGE=de")}, {}},
        {"in Japanese", CORVANE_PROGRAM, {}, {QStringLiteral("LANGUAGE=ja")}, {}},
        {"in Arabic", CORVANE_PROGRAM, {}, {QStringLiteral("LANGUAGE=ar")}, {}},
        {"bare dialog, English label", BARE_DIALOG, bareWith("Start Game"), {}, {}},
        {"Japanese label", BARE_DIALOG, bareWith("開始"), {}, {}},
        {"Arabic label", BARE_DIALOG, bareWith("لعبة جديدة"), {}, {}}};
    benchmark::RegisterBenchmark("Start to window: corvane in each language, bare dialogs with a label in three, in turn",
                                 [&](benchmark::State& state) { StartInTurn(state, languages, config.path()); })
        ->UseManualTime()->Iterations(StartToWindowRounds)->Unit(benchmark::kMillisecond);

    // With a screen reader's bus at hand (an X display and a D-Bus session with the accessibility bus
    // running), the real program on that display with accessibility on, in turn with it off.
    const QStringList onX{QStringLiteral("QT_QPA_PLATFORM=xcb")};
    std::vector<StartupContender> readers{
        {"accessibility on", CORVANE_PROGRAM, {}, onX + QStringList{QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")}, {}},
        {"accessibility off", CORVANE_PROGRAM, {}, onX, {}}};
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        benchmark::RegisterBenchmark("Start to window on X: accessibility on and off, in turn",
                                     [&](benchmark::State& state) { StartInTurn(state, readers, config.path()); })
            ->UseManualTime()->Iterations(StartToWindowRounds)->Unit(benchmark::kMillisecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\nMedians against the targets (window %d x %d):\n", windowSize.width(), windowSize.height());
    struct Figure {
        const char* name;
        double seconds;
    };
    const Figure handlers[] = {{"OnStartGame", startGame}, {"OnPieceCommand", pieceCommand}, {"OnUndo", undo}, {"OnGiveUp", giveUp}};
    for (const auto& handler : handlers)
        if (handler.seconds > 0)
            std::printf("  %-15s %8.3f ms  (target %.1f ms) %s\n", handler.name, handler.seconds * 1e3,
                        HandlerTargetMilliseconds, handler.seconds * 1e3 <= HandlerTargetMilliseconds ? "met" : "MISSED");
    PrintInTurn(contenders, StartToWindowTargetRatio);
    PrintAgainst(languages[0], {&languages[1], &languages[2], &languages[3]}, LanguageTargetMilliseconds);
    PrintAgainst(languages[4], {&languages[5], &languages[6]}, 0);
    PrintInTurn(readers, 0);
    return 0;
}
