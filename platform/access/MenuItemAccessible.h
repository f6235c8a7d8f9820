// An item of a pop-up menu that shows a widget of its own, as a screen reader sees it.
#pragma once

#include <QAccessibleObject>

class QMenu;
class QWidgetAction;

// The toolkit names a menu item by its text; an item that shows a picture instead has none. This one is a
// menu item named by its widget's accessible name, selected and focused while its menu highlights it,
// and chosen by its press action.
class MenuItemAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QMenu* menu, QWidgetAction* action);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    QRect rect() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu;
    QWidgetAction* action;
};

// Lets every such item of every menu answer as above; calling it again does nothing more.
void InstallMenuItemAccessibility();
