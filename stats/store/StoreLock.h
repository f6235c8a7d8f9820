// The writers' lock of a settings file: an exclusive lock on a lock file of its own beside the file.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Where a wait for another copy of the program stands, for whoever keeps the program alive meanwhile:
// Begins once, GoesOn between attempts, Ends once.
enum class WaitStep { Begins, GoesOn, Ends };
using WaitObserver = std::function<void(WaitStep)>;

// The lock file is opened for writing, as a lock on a network file system needs, and never removed, so
// that every copy always locks the same file; the kernel lets go of the lock however the process ends.
// A copy that holds the lock and keeps changing the file is waited for; one that holds it without any
// change for a while (stopped, or frozen with its desktop) is not waited for any longer.
class StoreLock {
public:
    enum State {
        Held,
        Busy,       // another copy holds it and has changed nothing for a while
        Unavailable // no lock can be had here at all (a file system without locks, a lock file that cannot be made)
    };

    // lockPath is the lock file; file is the settings file whose changes show that the holder gets on.
    // An empty observer is never called.
    StoreLock(const QByteArray& lockPath, const QByteArray& file, const WaitObserver& observer, bool create);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    State Result() const { return state; }
    // Why the lock is not held.
    const QString& Reason() const { return reason; }

    // How long a holder that changes nothing is waited for, and how long a wait lasts at most.
    static constexpr int StallMilliseconds = 2000;
    static constexpr int MostMilliseconds = 10000;

private:
    int Open(const QByteArray& lockPath, bool create);
    void Wait(const QByteArray& file, const WaitObserver& observer);

    int descriptor = -1;
    State state = Unavailable;
    QString reason;
};
