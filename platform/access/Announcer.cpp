// What a window says to a screen reader as it changes, without showing anything.
#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QEvent>
#include <QWidget>

namespace {

// One of the announcer's two parts as a screen reader sees it: the status bar, or the notification in it.
// Neither is drawn, so both say they cannot be seen.
class AnnouncerPart final : public QAccessibleObject {
public:
    AnnouncerPart(QObject* part, QAccessible::Role role, QObject* above, QObject* below, const Announcer& announcer,
                  const QWidget& window)
        : QAccessibleObject(part), partRole(role), above(above), below(below), announcer(announcer), owner(window)
    {
    }

    QWindow* window() const override { return owner.windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(above); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && below ? QAccessible::queryAccessibleInterface(below) : nullptr;
    }
    int childCount() const override { return below ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return below && child && child->object() == below ? 0 : -1;
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name && partRole == QAccessible::Notification ? announcer.LastSpoken() : QString();
    }
    QAccessible::Role role() const override { return partRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

private:
    QAccessible::Role partRole;
    QObject* above;
    QObject* below;
    const Announcer& announcer;
    const QWidget& owner;
};

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
    QAccessible::registerAccessibleInterface(new AnnouncerPart(&bar, QAccessible::StatusBar, window, this, *this, *window));
    QAccessible::registerAccessibleInterface(new AnnouncerPart(this, QAccessible::Notification, &bar, nullptr, *this, *window));
    window->installEventFilter(this);
}

Announcer::~Announcer()
{
    for (QObject* part : {static_cast<QObject*>(this), &bar})
        if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(part))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(accessible));
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
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::LastSpoken() const { return spoken; }

bool Announcer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::WindowActivate)
        SpeakNow();
    return QObject::eventFilter(watched, event);
}
