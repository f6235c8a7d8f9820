// Loaded into a program with LD_PRELOAD: reports when its first window has been painted, then closes it.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// The time on the clock that every process of the machine shares, so that a parent can compare it.
long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Watches every event for the first paint of a top-level window; once that paint is done, prints
// "shown <nanoseconds> <width> <height>" and closes the window the way its close box would.
class FirstPaintWatcher : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWidget*>(watched);
        if (reported || event->type() != QEvent::Paint || !window || !window->isWindow())
            return false;
        reported = true;
        QTimer::singleShot(0, window, [window] {
            std::printf("shown %lld %d %d\n", MonotonicNanoseconds(), window->width(), window->height());
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
