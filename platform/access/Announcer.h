// What a window says to a screen reader as it changes, without showing anything.
#pragma once

#include <QObject>
#include <QStringList>

#include <deque>
#include <memory>

class QAccessibleInterface;
class QWidget;

// The announcer is a notification to a screen reader, which speaks a notification as it shows and says no
// role word for one that belongs to a status bar, as this one does. Neither is drawn, so the window's pixels
// never change, and neither is among the window's controls, which stay as they are.
//
// Everything said between two turns of the event loop is spoken as one utterance, since each new utterance
// cuts the one before it short. Each utterance is a notification of its own, which keeps its words: a screen
// reader reads a notification's words when it comes to it, which may be after the next one has shown. It is spoken while the window is active, so that it follows the window's
// own title when a screen reader reads that on the window's return from a prompt, and comes before the
// control the focus lands on, which a screen reader reads without cutting it short.
class Announcer : public QObject {
    Q_OBJECT
public:
    // window is the top-level window the announcements belong to; the announcer is its child.
    explicit Announcer(QWidget* window);
    ~Announcer() override;

    // Text is a sentence or a few, with or without a final full stop.
    void Say(const QString& text);
    // Speaks what was said and not spoken yet at once, active window or not: before another window of the
    // program takes over, whose own reading would cut it short anyway.
    void SpeakNow();

    // The last utterance spoken, the notification's name; empty before the first.
    QString LastSpoken() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SpeakWhenActive();

    QWidget* window;
    QStringList waiting;
    bool speakQueued = false;
    // The notifications of the last few utterances, newest last; the announcer itself is the status bar that
    // holds them.
    std::deque<std::unique_ptr<QObject>> utterances;
    QString spoken;
};
