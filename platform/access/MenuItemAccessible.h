// A pop-up menu and its items as a screen reader sees them.
#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>

class QAction;
class QMenu;

// A pop-up menu belongs to the window that opened it: its items are inside that window, as far as a screen
// reader goes, so that closing the menu returns to a window the reader has never left, and is not announced
// as a window come back.
class PopupMenuAccessible : public QAccessibleWidget {
public:
    explicit PopupMenuAccessible(QMenu* menu);

    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    QMenu* menu() const;
};

// An item of a pop-up menu. One that shows a widget of its own is named by the widget's accessible name, a
// text item by its text; either is selected and focused while its menu highlights it, and chosen by its press
// action. A text item's underlined letter, which chooses it while the menu is open, is its key.
class MenuItemAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QMenu* menu, QAction* action);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QRect rect() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    // The key in the screen reader's form of a key binding, "mnemonic;path;accelerator": the item's letter
    // works alone while the menu is open, as an accelerator does.
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QMenu* menu;
    QAction* action;
};

// Lets every pop-up menu and menu item of the program answer as above; calling it again does nothing more.
void InstallMenuItemAccessibility();
