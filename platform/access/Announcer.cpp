// What a window says to a screen reader as it changes, without showing anything.
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QEvent>
#include <QWidget>

#include <functional>

namespace {

// How many notifications of earlier utterances are kept for a screen reader that has not come to them yet.
constexpr std::size_t KeptUtterances = 16;

// One of the announcer's parts as a screen reader sees it: the status bar (the announcer itself), whose one
// child is the newest notification, or a notification with its words. Neither is drawn, so both say they
// cannot be seen.
class AnnouncerPart final : public QAccessibleObject {
public:
    // A status bar when words is empty, else a notification with those words.
    AnnouncerPart(QObject* part, QObject* above, std::function<QObject*()> newest, QString words, const QWidget& window)
        : QAccessibleObject(part), above(above), newest(std::move(newest)), words(std::move(words)), owner(window)
    {
    }

    QWindow* window() const override { return owner.windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(above); }
    QAccessibleInterface* child(int index) const override
    {
        QObject* below = Below();
        return index == 0 && below ? QAccessible::queryAccessibleInterface(below) : nullptr;
    }
    int childCount() const override { return Below() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QObject* below = Below();
        return below && child && child->object() == below ? 0 : -1;
    }
    QString text(QAccessible::Text type) const override { return type == QAccessible::Name ? words : QString(); }
    QAccessible::Role role() const override { return words.isEmpty() ? QAccessible::StatusBar : QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QObject* Below() const { return newest ? newest() : nullptr; }

    QObject* above;
    std::function<QObject*()> newest;
    QString words;
    const QWidget& owner;
};

void Forget(QObject* part)
{
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(part))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
}

// Sentences in the order said, each closed with a full stop unless it ends a sentence already.
QString Joined(const QStringList& sentences)
{
    QStringList closed;
    for (const QString& sentence : sentences) {
        const QChar last = sentence.back();
        closed << (last == '.' || last == '!' || last == '?' ? sentence : sentence + '.');
    }
    return closed.join(' ');
}

} // namespace

Announcer::Announcer(QWidget* window) : QObject(window), window(window)
{
    // Registered by hand rather than found through a factory, so that nothing else can answer for them.
    QAccessible::registerAccessibleInterface(new AnnouncerPart(
        this, window, [this] { return utterances.empty() ? nullptr : utterances.back().get(); }, QString(), *window));
    window->installEventFilter(this);
}

Announcer::~Announcer()
{
    for (const auto& utterance : utterances)
        Forget(utterance.get());
    Forget(this);
}

void Announcer::Say(const QString& text)
{
    const QString sentence = text.trimmed();
    if (sentence.isEmpty())
        return;
    waiting << sentence;
    if (!speakQueued) {
        speakQueued = true;
        QMetaObject::invokeMethod(this, &Announcer::SpeakWhenActive, Qt::QueuedConnection);
    }
}

void Announcer::SpeakWhenActive()
{
    speakQueued = false;
    // An inactive window speaks when it is activated again.
    if (window->isActiveWindow())
        SpeakNow();
}

void Announcer::SpeakNow()
{
    if (waiting.isEmpty())
        return;
    spoken = Joined(waiting);
    waiting.clear();
    auto utterance = std::make_unique<QObject>();
    QAccessible::registerAccessibleInterface(new AnnouncerPart(utterance.get(), this, {}, spoken, *window));
    utterances.push_back(std::move(utterance));
    if (utterances.size() > KeptUtterances) {
        Forget(utterances.front().get());
        utterances.pop_front();
    }
    QAccessibleEvent shown(utterances.back().get(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::LastSpoken() const { return spoken; }

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::WindowActivate)
        SpeakNow();
    return QObject::eventFilter(watched, event);
}
