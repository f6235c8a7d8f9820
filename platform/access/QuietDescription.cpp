// Buttons whose description a screen reader reads as the focus lands on them, changed without a word.
#include "QuietDescription.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

constexpr char Property[] = "quietDescription";

// A push button as the toolkit presents one, named by its accessible name alone (a picture button's text is
// no name) and described quietly.
class QuietButtonAccessible final : public QAccessibleWidget {
public:
    explicit QuietButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Description)
            return QuietDescription(Button());
        if (type == QAccessible::Name)
            return Button()->accessibleName();
        return QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = Button()->isDown();
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            Button()->animateClick();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* QuietButtonFactory(const QString&, QObject* object)
{
    auto* button = qobject_cast<QAbstractButton*>(object);
    return button && button->property(Property).isValid() ? new QuietButtonAccessible(button) : nullptr;
}

} // namespace

void SetQuietDescription(QAbstractButton* button, const QString& description)
{
    // Before the button's interface is first asked for, so that it is the quiet one.
    QAccessible::installFactory(QuietButtonFactory);
    button->setProperty(Property, description);
}

QString QuietDescription(const QAbstractButton* button) { return button->property(Property).toString(); }
