// Times the game window's handlers one call at a time, and the real program's start until its window is shown.
#include "CCorvaneDlg.h"
#include "CWinApp.h"
#include "GameRandom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Targets on the reference machine.
constexpr double HandlerTargetMilliseconds = 1.0;
constexpr double StartToWindowTargetRatio = 1.3;

constexpr int StartToWindowRuns = 15;

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

template <class Call> double TimeOf(Call call)
{
    const Clock::time_point start = Clock::now();
    call();
    return SecondsSince(start);
}

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

// The game window as the program shows it, offscreen, with every cell enabled in a game in progress.
class GameWindow {
public:
    GameWindow()
    {
        random.Seed(0);
        AfxGetApp()->m_pMainWnd = &dialog;
        dialog.Create();
        dialog.show();
        dialog.OnStartGame();
        SelectCell(4, 4);
        // Answers the Give Up question with Yes as soon as it shows, noting the moment of the answer.
        QObject::connect(&answerer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
                answeredYes = Clock::now();
                box->button(QMessageBox::Yes)->click();
            }
        });
        answerer.setInterval(0);
        answerer.start();
    }

    // Opens the piece menu on a cell and closes it unchosen: the cell is then the one piece commands apply to.
    void SelectCell(int row, int column)
    {
        QTimer::singleShot(0, [] {
            if (QWidget* menu = QApplication::activePopupWidget())
                menu->close();
        });
        dialog.OnCellClicked(CellId(row, column));
    }

    // A command that always changes the selected cell: north and water by turns.
    void ChangeTheCell() { dialog.OnPieceCommand(3000 + (++commands % 2 ? NORTH : WATER)); }

    GameRandom random;
    CCorvaneDlg dialog{random};
    QTimer answerer;
    Clock::time_point answeredYes;
    long commands = 0;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Starts a program with the start-up probe loaded into it and returns the seconds from the start until its
// first window had been painted; size receives the window's size.
// platform is the toolkit's window system; extra variables go into the program's environment.
double StartToWindow(const QString& program, const QStringList& arguments, const QString& configFolder, QSize* size,
                     const QString& platform = QStringLiteral("offscreen"), const QStringList& extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
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
    const QStringList report = QString::fromLocal8Bit(process.readAllStandardOutput()).split(' ', Qt::SkipEmptyParts);
    if (report.size() != 4 || report[0] != "shown") {
        std::fprintf(stderr, "%s did not report its window\n", qPrintable(program));
        return 0;
    }
    if (size)
        *size = QSize(report[2].toInt(), report[3].trimmed().toInt());
    return (report[1].toLongLong() - start) / 1e9;
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
    CWinApp app;
    GameWindow window;
    CCorvaneDlg& dialog = window.dialog;

    double startGame = 0, pieceCommand = 0, undo = 0, giveUp = 0, corvaneStart = 0, bareStart = 0, textStart = 0;
    benchmark::RegisterBenchmark("OnStartGame", [&](benchmark::State& state) {
        startGame = ReportEachCall(state, [&] { return TimeOf([&] { dialog.OnStartGame(); }); });
    })->UseManualTime()->Iterations(300)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnPieceCommand (both snapshots)", [&](benchmark::State& state) {
        dialog.OnStartGame();
        pieceCommand = ReportEachCall(state, [&] { return TimeOf([&] { window.ChangeTheCell(); }); });
    })->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnUndo (100 enabled cells)", [&](benchmark::State& state) {
        dialog.OnStartGame();
        undo = ReportEachCall(state, [&] {
            if (dialog.History().Empty())
                for (int i = 0; i < 500; ++i)
                    window.ChangeTheCell();
            return TimeOf([&] { dialog.OnUndo(); });
        });
    })->UseManualTime()->Iterations(1000)->Unit(benchmark::kMicrosecond);

    benchmark::RegisterBenchmark("OnGiveUp (after Yes)", [&](benchmark::State& state) {
        giveUp = ReportEachCall(state, [&] {
            dialog.OnStartGame();
            dialog.OnGiveUp();
            return SecondsSince(window.answeredYes);
        });
    })->UseManualTime()->Iterations(200)->Unit(benchmark::kMicrosecond);

    QSize windowSize;
    StartToWindow(CORVANE_PROGRAM, {}, config.path(), &windowSize);
    benchmark::RegisterBenchmark("Start to window: corvane", [&](benchmark::State& state) {
        corvaneStart = ReportEachCall(state, [&] { return StartToWindow(CORVANE_PROGRAM, {}, config.path(), nullptr); });
    })->UseManualTime()->Iterations(StartToWindowRuns)->Unit(benchmark::kMillisecond);

    const QStringList bareSize{QString::number(windowSize.width()), QString::number(windowSize.height())};
    benchmark::RegisterBenchmark("Start to window: bare dialog of the same size", [&](benchmark::State& state) {
        bareStart = ReportEachCall(state, [&] { return StartToWindow(BARE_DIALOG, bareSize, config.path(), nullptr); });
    })->UseManualTime()->Iterations(StartToWindowRuns)->Unit(benchmark::kMillisecond);

    // A dialog without a single letter never starts the font machinery, which any window with text pays for.
    const QStringList textSize = bareSize + QStringList{QStringLiteral("Corvane")};
    benchmark::RegisterBenchmark("Start to window: bare dialog of the same size with one label", [&](benchmark::State& state) {
        textStart = ReportEachCall(state, [&] { return StartToWindow(BARE_DIALOG, textSize, config.path(), nullptr); });
    })->UseManualTime()->Iterations(StartToWindowRuns)->Unit(benchmark::kMillisecond);

    // With a screen reader's bus at hand (an X display and a D-Bus session with the accessibility bus
    // running), the real program on that display with accessibility on and off, one after the other.
    double readerOff = 0, readerOn = 0;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        benchmark::RegisterBenchmark("Start to window on X: accessibility off", [&](benchmark::State& state) {
            readerOff = ReportEachCall(state, [&] { return StartToWindow(CORVANE_PROGRAM, {}, config.path(), nullptr, "xcb"); });
        })->UseManualTime()->Iterations(StartToWindowRuns)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Start to window on X: accessibility on", [&](benchmark::State& state) {
            readerOn = ReportEachCall(state, [&] {
                return StartToWindow(CORVANE_PROGRAM, {}, config.path(), nullptr, "xcb",
                                     {QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")});
            });
        })->UseManualTime()->Iterations(StartToWindowRuns)->Unit(benchmark::kMillisecond);
    }

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
    const Figure yardsticks[] = {{"bare dialog", bareStart}, {"bare dialog with one label", textStart}};
    for (const auto& yardstick : yardsticks) {
        const double ratio = yardstick.seconds > 0 ? corvaneStart / yardstick.seconds : 0;
        if (ratio > 0)
            std::printf("  start to window %8.1f ms, %s %.1f ms: ratio %.2f (target %.1f) %s\n", corvaneStart * 1e3,
                        yardstick.name, yardstick.seconds * 1e3, ratio, StartToWindowTargetRatio,
                        ratio <= StartToWindowTargetRatio ? "met" : "MISSED");
    }
    if (readerOff > 0 && readerOn > 0)
        std::printf("  on X, accessibility off %8.1f ms, on %8.1f ms: ratio %.2f\n", readerOff * 1e3, readerOn * 1e3,
                    readerOn / readerOff);
    return 0;
}
