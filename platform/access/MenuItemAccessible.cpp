// An item of a pop-up menu that shows a widget of its own, as a screen reader sees it.
#include "MenuItemAccessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidgetAction>

namespace {

// Only the items whose widget carries a name: any other keeps the toolkit's own view.
QAccessibleInterface* MenuItemFactory(const QString&, QObject* object)
{
    auto* action = qobject_cast<QWidgetAction*>(object);
    auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    if (!menu || !action->defaultWidget() || action->defaultWidget()->accessibleName().isEmpty())
        return nullptr;
    return new MenuItemAccessible(menu, action);
}

} // namespace

MenuItemAccessible::MenuItemAccessible(QMenu* menu, QWidgetAction* action)
    : QAccessibleObject(action), menu(menu), action(action)
{
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QWindow* MenuItemAccessible::window() const { return menu->windowHandle(); }

QAccessibleInterface* MenuItemAccessible::parent() const { return QAccessible::queryAccessibleInterface(menu); }

QString MenuItemAccessible::text(QAccessible::Text type) const
{
    return type == QAccessible::Name ? action->defaultWidget()->accessibleName() : QString();
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    state.focusable = state.selectable = true;
    state.focused = state.selected = menu->activeAction() == action;
    state.disabled = !action->isEnabled();
    state.invisible = !menu->isVisible();
    return state;
}

QRect MenuItemAccessible::rect() const
{
    const QRect inMenu = menu->actionGeometry(action);
    return QRect(menu->mapToGlobal(inMenu.topLeft()), inMenu.size());
}

QStringList MenuItemAccessible::actionNames() const { return {pressAction()}; }

void MenuItemAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !action->isEnabled())
        return;
    // Chosen as the keyboard chooses it, so that the menu closes and hands the item to whoever opened it.
    menu->setActiveAction(action);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
}

void InstallMenuItemAccessibility() { QAccessible::installFactory(MenuItemFactory); }
