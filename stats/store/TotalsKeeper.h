// The totals as the game window keeps them: what it shows after each change, and what it tells the player.
#pragma once

#include "TotalsStore.h"

#include <QStringList>

// What the window shows after a change of the totals, and what it has to tell.
struct TotalsNews {
    Totals shown;
    // For a message box and a line on standard error; empty when there is nothing to tell.
    QString notice;
    // For standard error alone.
    QStringList lines;
    // The win waits beside the file until the copy of the program that holds it is done.
    bool winWaits = false;
};

// Every change reaches the store at once. When the store cannot be read or written, the window counts
// on by itself from what it showed: wins it could not save go with the next save and with the last one at
// the end, and the player is told once; a clearing that fails is told every time, since the player asked
// for it. What the store remarks (wins beside the file it cannot count, a file written over in place) is
// told once a run. Whatever is still unsaved at the end is said on standard error.
class TotalsKeeper {
public:
    // observer is told how each wait for another copy of the program goes.
    explicit TotalsKeeper(TotalsStore store = {}, WaitObserver observer = {});

    // The totals to show when the window is made.
    TotalsNews Load();
    // A game won with score points.
    TotalsNews Win(int score);
    // The player has confirmed clearing the totals.
    TotalsNews Clear();
    // The window ends: saves what is unsaved, and returns the lines for standard error.
    QStringList Finish();

private:
    // The notice for trouble with the store, once.
    QString TroubleOnce(const QString& failure);
    // Lines for standard error that a save brings, each said once a run.
    QStringList WarningsOnce(const TotalsOutcome& outcome);
    // The store's remarks not told before in this run.
    QStringList RemarksOnce(const TotalsOutcome& outcome);

    TotalsStore store;
    WaitObserver observer;
    Totals shown;
    // Wins the window has counted that the store does not hold yet.
    Totals unsaved;
    bool troubleTold = false;
    bool lockTold = false;
    bool largestTold = false;
    QStringList remarksTold;
};
