// Acts inside the nested loops that a click opens: the piece menu, a prompt, the Congratulations dialog.
#include "NestedLoopDriver.h"

#include "CDialog.h"
#include "CPieceMenu.h"
#include "CWinApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QTest>

NestedLoopDriver::NestedLoopDriver()
{
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [this] { Tick(); });
    timer.start();
}

void NestedLoopDriver::ExpectMenu(MenuAction action) { steps.push_back({Window::Menu, std::move(action), {}}); }

void NestedLoopDriver::ExpectPrompt(QMessageBox::StandardButton answer)
{
    ExpectPrompt([answer](QMessageBox& box) { QTest::mouseClick(box.button(answer), Qt::LeftButton); });
}

void NestedLoopDriver::ExpectPrompt(PromptAction answer) { steps.push_back({Window::Prompt, {}, std::move(answer)}); }

void NestedLoopDriver::ExpectCongratulations() { steps.push_back({Window::Congratulations, {}, {}}); }

void NestedLoopDriver::Tick()
{
    if (auto* menu = qobject_cast<CPieceMenu*>(QApplication::activePopupWidget())) {
        if (!menu->isVisible())
            return;
        if (Next(Window::Menu)) {
            menus.push_back(menu->geometry());
            const MenuAction action = Take().menuAction;
            action(*menu);
        } else {
            Refuse("piece menu", [menu] { menu->close(); });
        }
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (Next(Window::Prompt))
            return Answer(*box, Take().promptAction);
        if (noticesAllowed && box->standardButtons() == QMessageBox::Ok)
            return Answer(*box, [](QMessageBox& notice) { QTest::mouseClick(notice.button(QMessageBox::Ok), Qt::LeftButton); });
        return Refuse("prompt " + box->text().toStdString(), [box] { box->reject(); });
    }
    if (auto* dialog = qobject_cast<CDialog*>(modal); dialog && dialog != AfxGetApp()->m_pMainWnd) {
        if (Next(Window::Congratulations))
            Take();
        else if (!congratulationsAllowed)
            return Refuse("dialog " + dialog->windowTitle().toStdString(), [dialog] { dialog->reject(); });
        ++congratulated;
        QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog->GetDlgItem(1)), Qt::LeftButton);
    }
}

void NestedLoopDriver::Answer(QMessageBox& box, const PromptAction& answer)
{
    prompts.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
    answer(box);
}

NestedLoopDriver::Step NestedLoopDriver::Take()
{
    waitCursor.push_back(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    Step step = std::move(steps.front());
    steps.pop_front();
    return step;
}

void NestedLoopDriver::Refuse(std::string what, const std::function<void()>& close)
{
    unexpected.push_back(std::move(what));
    close();
}

namespace MenuChoice {

NestedLoopDriver::MenuAction Click(int id, Qt::MouseButton button)
{
    return [id, button](CPieceMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->data().toInt() != id)
                continue;
            const QPoint centre = menu.actionGeometry(action).center();
            QTest::mouseMove(&menu, centre);
            QTest::mouseClick(&menu, button, Qt::NoModifier, centre);
            return;
        }
        qWarning("the piece menu has no item %d", id);
        menu.close();
    };
}

NestedLoopDriver::MenuAction Keys(std::vector<Qt::Key> keys)
{
    return [keys = std::move(keys)](CPieceMenu& menu) {
        for (Qt::Key key : keys)
            QTest::keyClick(&menu, key);
    };
}

NestedLoopDriver::MenuAction Arrows(int id, std::function<void()> whenEntered)
{
    // The separator is passed over, so the item is always this many steps down from the top.
    const int downs = id - 3000 + 1;
    return [downs, whenEntered = std::move(whenEntered)](CPieceMenu& menu) {
        for (int i = 0; i < downs; ++i)
            QTest::keyClick(&menu, Qt::Key_Down);
        if (whenEntered)
            whenEntered();
        QTest::keyClick(&menu, Qt::Key_Return);
    };
}

NestedLoopDriver::MenuAction ClickBeside(QWidget* target)
{
    return [target](CPieceMenu& menu) {
        const QPoint inMenu = menu.mapFromGlobal(target->mapToGlobal(target->rect().center()));
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, Qt::NoModifier, inMenu);
    };
}

} // namespace MenuChoice
