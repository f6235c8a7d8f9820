// The totals as the game window keeps them: what it shows after each change, and what it tells the player.
#include "TotalsKeeper.h"

#include <QCoreApplication>

#include <limits>

namespace {

constexpr int LargestTotal = std::numeric_limits<int>::max();

QString StoreText(const char* text, int count = -1)
{
    return QCoreApplication::translate("TotalsStore", text, nullptr, count);
}

// What the player can still count on after trouble with the file, and after a clearing that failed.
QString TroubleAftermath()
{
    return StoreText(QT_TRANSLATE_NOOP("TotalsStore",
                                       "The file is left as it is; play goes on, but the wins of this run may not be kept."));
}
QString ClearingAftermath() { return StoreText(QT_TRANSLATE_NOOP("TotalsStore", "The totals stay as they were.")); }
QString LargestNotice()
{
    return StoreText(QT_TRANSLATE_NOOP("TotalsStore", "The totals have reached %1, the largest number they can hold, "
                                                      "and count no further."))
        .arg(LargestTotal);
}

// "1 win (3 points)", "2 wins (1 point)".
QString WinsText(Totals wins)
{
    const QString games = wins.games == 1 ? StoreText(QT_TRANSLATE_NOOP("TotalsStore", "1 win"))
                                          : StoreText(QT_TRANSLATE_N_NOOP("TotalsStore", "%n wins"), wins.games);
    const QString points = wins.score == 1 ? StoreText(QT_TRANSLATE_NOOP("TotalsStore", "1 point"))
                                           : StoreText(QT_TRANSLATE_N_NOOP("TotalsStore", "%n points"), wins.score);
    //: %1 the wins ("2 wins"), %2 their points ("3 points").
    return StoreText(QT_TRANSLATE_NOOP("TotalsStore", "%1 (%2)")).arg(games, points);
}

QString Joined(const QString& first, const QString& second)
{
    return first.isEmpty() || second.isEmpty() ? first + second : first + QLatin1Char(' ') + second;
}

} // namespace

TotalsKeeper::TotalsKeeper(TotalsStore store, WaitObserver observer) : store(std::move(store)), observer(std::move(observer)) {}

TotalsNews TotalsKeeper::Load()
{
    const TotalsOutcome stored = store.Read();
    shown = stored.totals;
    const QString trouble = stored.kind == TotalsOutcome::Failed ? TroubleOnce(stored.failure) : QString();
    return {shown, Joined(trouble, RemarksOnce(stored).join(QLatin1Char(' '))), {}};
}

TotalsNews TotalsKeeper::Win(int score)
{
    const Totals win{1, score};
    // Wins that could not be saved before go with this one, so a file that can be written again gets them all.
    unsaved = SaturatingSum(unsaved, win);
    const TotalsOutcome saved = store.Add(unsaved, observer);
    const bool stored = saved.kind == TotalsOutcome::Kept || saved.kind == TotalsOutcome::Deferred;
    shown = stored ? saved.totals : SaturatingSum(shown, win);
    TotalsNews news{shown, RemarksOnce(saved).join(QLatin1Char(' ')), WarningsOnce(saved), saved.kind == TotalsOutcome::Deferred};
    if (saved.kind == TotalsOutcome::Failed)
        news.notice = Joined(news.notice, TroubleOnce(saved.failure));
    else
        unsaved = {};
    if ((shown.games == LargestTotal || shown.score == LargestTotal) && !largestTold) {
        largestTold = true;
        news.notice = Joined(news.notice, LargestNotice());
    }
    return news;
}

// A clearing that cannot be saved does not happen: the window goes on showing what it showed.
TotalsNews TotalsKeeper::Clear()
{
    const TotalsOutcome cleared = store.Clear(observer);
    TotalsNews news{shown, RemarksOnce(cleared).join(QLatin1Char(' ')), WarningsOnce(cleared)};
    if (cleared.kind == TotalsOutcome::Failed) {
        troubleTold = true;
        news.notice = Joined(news.notice, Joined(cleared.failure, ClearingAftermath()));
        return news;
    }
    unsaved = {};
    shown = cleared.totals;
    news.shown = shown;
    return news;
}

// Every change is saved when it happens; what is left when the window ends are wins that an earlier save
// could not keep, often none. Adding them to what the file holds now, rather than writing the window's
// own totals, never takes back what another copy of the program has saved meanwhile.
QStringList TotalsKeeper::Finish()
{
    const TotalsOutcome saved = store.Add(unsaved, observer);
    QStringList lines = WarningsOnce(saved) + RemarksOnce(saved);
    if (saved.kind == TotalsOutcome::Failed && unsaved.games > 0)
        lines << StoreText(QT_TRANSLATE_NOOP("TotalsStore", "%1 of this run could not be saved. %2"))
                     .arg(WinsText(unsaved), saved.failure);
    else if (saved.kind == TotalsOutcome::Failed && !troubleTold)
        lines << saved.failure;
    if (saved.waiting.games > 0)
        lines << (saved.waiting.games == 1 ? StoreText(QT_TRANSLATE_NOOP("TotalsStore", "%1 is kept beside the totals in %2 "
                                                                                      "until a save of the program can add them."))
                                           : StoreText(QT_TRANSLATE_NOOP("TotalsStore", "%1 are kept beside the totals in %2 "
                                                                                      "until a save of the program can add them.")))
                     .arg(WinsText(saved.waiting), store.FilePath());
    if (saved.kind != TotalsOutcome::Failed)
        unsaved = {};
    return lines;
}

QString TotalsKeeper::TroubleOnce(const QString& failure)
{
    if (troubleTold)
        return {};
    troubleTold = true;
    return Joined(failure, TroubleAftermath());
}

QStringList TotalsKeeper::WarningsOnce(const TotalsOutcome& outcome)
{
    if (outcome.warning.isEmpty() || lockTold)
        return {};
    lockTold = true;
    return {outcome.warning};
}

QStringList TotalsKeeper::RemarksOnce(const TotalsOutcome& outcome)
{
    QStringList remarks;
    for (const QString& remark : outcome.remarks)
        if (!remarksTold.contains(remark) && !remarks.contains(remark))
            remarks << remark;
    remarksTold += remarks;
    return remarks;
}
