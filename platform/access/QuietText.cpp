// Buttons named and described for a screen reader without a word to it at every change.
#include "QuietText.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace {

constexpr char NameProperty[] = "quietName";
constexpr char DescriptionProperty[] = "quietDescription";

// A push button as the toolkit presents one, named and described quietly (a picture button's text is no name).
class QuietButtonAccessible final : public QAccessibleWidget {
public:
    explicit QuietButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Description)
            return QuietDescription(Button());
        if (type == QAccessible::Name)
            return QuietName(Button());
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
    return button && button->property(DescriptionProperty).isValid() ? new QuietButtonAccessible(button) : nullptr;
}

} // namespace

void SetQuietName(QAbstractButton* button, const QString& name)
{
    SetQuietDescription(button, QuietDescription(button));
    button->setProperty(NameProperty, name);
}

void SetQuietDescription(QAbstractButton* button, const QString& description)
{
    // Before the button's interface is first asked for, so that it is the quiet one.
    QAccessible::installFactory(QuietButtonFactory);
    button->setProperty(DescriptionProperty, description);
}

QString QuietName(const QAbstractButton* button) { return button->property(NameProperty).toString(); }

QString QuietDescription(const QAbstractButton* button) { return button->property(DescriptionProperty).toString(); }
