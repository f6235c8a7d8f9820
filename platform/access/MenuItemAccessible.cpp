// A pop-up menu and its items as a screen reader sees them.
#include "MenuItemAccessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidgetAction>

namespace {

// The menu an action is an item of: the one that owns it and shows it.
QMenu* MenuOf(QAction* action)
{
    auto* menu = action ? qobject_cast<QMenu*>(action->parent()) : nullptr;
    return menu && menu->actions().contains(action) ? menu : nullptr;
}

// A menu that pops up over a window, rather than hanging from a menu bar or from another menu.
bool IsPopupOverAWindow(const QMenu* menu)
{
    const QWidget* owner = menu->parentWidget();
    return owner && !qobject_cast<const QMenu*>(owner) && !qobject_cast<const QMenuBar*>(owner);
}

QAccessibleInterface* MenuFactory(const QString&, QObject* object)
{
    if (auto* menu = qobject_cast<QMenu*>(object); menu && IsPopupOverAWindow(menu))
        return new PopupMenuAccessible(menu);
    auto* action = qobject_cast<QAction*>(object);
    if (QMenu* menu = MenuOf(action); menu && IsPopupOverAWindow(menu))
        return new MenuItemAccessible(menu, action);
    return nullptr;
}

// The text an item shows, without its mnemonic marks and without the shortcut after a tab.
QString ShownText(const QAction& action)
{
    QString text = action.text().section(QLatin1Char('\t'), 0, 0);
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace

PopupMenuAccessible::PopupMenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

QMenu* PopupMenuAccessible::menu() const { return static_cast<QMenu*>(widget()); }

QAccessibleInterface* PopupMenuAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(menu()->parentWidget()->window());
}

int PopupMenuAccessible::childCount() const { return int(menu()->actions().size()); }

QAccessibleInterface* PopupMenuAccessible::child(int index) const
{
    const QList<QAction*> actions = menu()->actions();
    return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions[index]) : nullptr;
}

int PopupMenuAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? int(menu()->actions().indexOf(qobject_cast<QAction*>(child->object()))) : -1;
}

QAccessibleInterface* PopupMenuAccessible::childAt(int x, int y) const
{
    QAction* action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return action && !action->isSeparator() ? QAccessible::queryAccessibleInterface(action) : nullptr;
}

MenuItemAccessible::MenuItemAccessible(QMenu* menu, QAction* action)
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
    if (type != QAccessible::Name)
        return QString();
    const auto* widgetAction = qobject_cast<QWidgetAction*>(action);
    if (widgetAction && widgetAction->defaultWidget())
        return widgetAction->defaultWidget()->accessibleName();
    return ShownText(*action);
}

QAccessible::Role MenuItemAccessible::role() const
{
    return action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State MenuItemAccessible::state() const
{
    QAccessible::State state;
    state.focusable = state.selectable = !action->isSeparator();
    state.focused = state.selected = menu->activeAction() == action;
    state.disabled = !action->isEnabled();
    state.invisible = !menu->isVisible() || !action->isVisible();
    return state;
}

QRect MenuItemAccessible::rect() const
{
    const QRect inMenu = menu->actionGeometry(action);
    return QRect(menu->mapToGlobal(inMenu.topLeft()), inMenu.size());
}

QStringList MenuItemAccessible::actionNames() const
{
    return action->isSeparator() ? QStringList() : QStringList{pressAction()};
}

void MenuItemAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction() || !action->isEnabled() || action->isSeparator())
        return;
    // Chosen as the keyboard chooses it, so that the menu closes and hands the item to whoever opened it.
    menu->setActiveAction(action);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString& actionName) const
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
    if (actionName != pressAction() || mnemonic.isEmpty())
        return {};
    const QString key = QKeySequence(mnemonic[0].key()).toString(QKeySequence::NativeText);
    return {QStringLiteral(";;%1").arg(key)};
}

void InstallMenuItemAccessibility() { QAccessible::installFactory(MenuFactory); }
