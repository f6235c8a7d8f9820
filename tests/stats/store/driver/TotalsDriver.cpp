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
// The store's remarks go to standard error.
//
// With TOTALS_DRIVER_KILL_AT=N in its environment, the driver kills itself just before the Nth step that
// changes what the disk holds (a sync, a rename or a removal), so that a test can stop a save at each of
// its steps in turn; on a processor other than x86-64 it ends at once with status 5 instead.
#include "TotalsStore.h"

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <string_view>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

namespace {

// What the driver ends with when told to stop at a step where it cannot: the calls are taken apart as an
// x86-64 processor makes them.
constexpr int CannotStopAtSteps = 5;

#if defined(__x86_64__)
// Set in a call the driver makes for a step it lets happen, in an argument that none of the steps uses.
constexpr unsigned Passed = 0x436f7276;
int stepsBeforeKill = 0;

// Every step reaches here first: the one the driver is to die at kills it, the others are made for it.
void OnStep(int, siginfo_t* info, void* context)
{
    if (--stepsBeforeKill == 0)
        ::syscall(SYS_kill, ::getpid(), SIGKILL);
    const int savedErrno = errno;
    greg_t* registers = static_cast<ucontext_t*>(context)->uc_mcontext.gregs;
    const long result = ::syscall(info->si_syscall, registers[REG_RDI], registers[REG_RSI], registers[REG_RDX],
                                  registers[REG_R10], registers[REG_R8], Passed);
    registers[REG_RAX] = result == -1 ? -errno : result;
    errno = savedErrno;
}

void KillAtStep(int step)
{
    stepsBeforeKill = step;
    struct sigaction action {};
    action.sa_sigaction = OnStep;
    action.sa_flags = SA_SIGINFO;
    ::sigaction(SIGSYS, &action, nullptr);
    constexpr unsigned Steps[] = {__NR_fsync, __NR_fdatasync, __NR_rename, __NR_renameat, __NR_renameat2, __NR_unlink, __NR_unlinkat};
    constexpr unsigned StepCount = std::size(Steps);
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[0], StepCount, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[1], StepCount - 1, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[2], StepCount - 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[3], StepCount - 3, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[4], StepCount - 4, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[5], StepCount - 5, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Steps[6], StepCount - 6, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args) + 5 * sizeof(__u64)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, Passed, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_TRAP),
    };
    static_assert(StepCount == 7, "one jump for each step");
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
        std::exit(4);
}
#else
void KillAtStep(int) { std::exit(CannotStopAtSteps); }
#endif

void Report(const TotalsOutcome& outcome)
{
    if (!outcome.warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(outcome.warning));
    for (const QString& remark : outcome.remarks)
        std::fprintf(stderr, "%s\n", qPrintable(remark));
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
    if (const char* step = std::getenv("TOTALS_DRIVER_KILL_AT"))
        KillAtStep(std::atoi(step));
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
