// Loaded into a program with LD_PRELOAD: reports when its first window has been painted, then closes it.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

long long NanosecondsOn(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The memory the process holds now, in kilobytes, as the kernel counts it (VmRSS); 0 where it cannot be read.
long ResidentKilobytes()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    long kilobytes = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
            break;
    std::fclose(status);
    return kilobytes;
}

// Watches every event for the first paint of a top-level window; once that paint is done, prints
// "shown <nanoseconds> <width> <height> <processor nanoseconds> <resident kilobytes>" and closes the window
// the way its close box would.
class FirstPaintWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (reported || event->type() != QEvent::Paint || !window || !window->isWindow())
            return false;
        reported = true;
        QTimer::singleShot(0, window, [window] {
            // The monotonic clock is the one every process of the machine shares, so that the parent can
            // compare it with its own; the processor time counts every thread of this process since its start.
            std::printf("shown %lld %d %d %lld %ld\n", NanosecondsOn(CLOCK_MONOTONIC), window->width(), window->height(),
                        NanosecondsOn(CLOCK_PROCESS_CPUTIME_ID), ResidentKilobytes());
            std::fflush(stdout);
            window->close();
        });
        return false;
    }

private:
    bool reported = false;
};

void WatchForTheFirstWindow() { QCoreApplication::instance()->installEventFilter(new FirstPaintWatcher); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForTheFirstWindow)
