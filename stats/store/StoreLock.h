// The writers' lock of a settings file: the kernel's lock on a lock file of its own beside the file, or
// where no such lock can be had, a token file that only one copy of the program can make at a time.
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
// Where the kernel locks nothing there (a file system without locks, a folder at the lock file's name),
// the lock is a token file made only where none stands, holding its maker's process number and boot, and
// removed when done; a token whose maker has ended, or older than any save lasts, is cleared away.
// A copy that holds the lock and keeps changing the settings file is waited for; one that holds it without
// any change for a moment (stopped, or frozen with its desktop) is not waited for any longer.
class StoreLock {
public:
    enum State {
        Held,
        Busy,       // another copy holds it and has changed nothing for a moment
        Unavailable // no lock can be had here at all
    };

    // lockPath is the lock file, made when missing; token is where the token goes; file is the settings
    // file, whose changes show that the holder gets on. An empty observer is never called.
    StoreLock(const QByteArray& lockPath, const QByteArray& token, const QByteArray& file, const WaitObserver& observer);
    ~StoreLock();
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

    State Result() const { return state; }
    // Why the kernel's lock is not the one held, or why none is: empty when it is held.
    const QString& Reason() const { return reason; }

    // How long a holder that changes nothing is waited for, and how long a wait lasts at most.
    static constexpr int StallMilliseconds = 500;
    static constexpr int MostMilliseconds = 10000;
    // Longer than any save of a copy that is still running takes: what a save left behind that is older
    // was left by a copy that was killed or is stopped.
    static constexpr int LongestSaveSeconds = 60;

private:
    enum class Attempt { Taken, HeldElsewhere, Impossible };
    Attempt LockFile();
    Attempt Token();

    int descriptor = -1;
    QByteArray token;
    bool tokenMade = false;
    State state = Unavailable;
    QString reason;
};
