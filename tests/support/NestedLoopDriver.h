// Acts inside the nested loops that a click opens: the piece menu, a prompt, the Congratulations dialog.
#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CPieceMenu;
class QWidget;

// Each expected window is handled in turn as it appears; a window that nobody expected is closed and
// remembered, so that a click never hangs on it and the caller can say what it saw. The driver gives no
// verdicts of its own: the caller checks AllSeen() and Unexpected().
class NestedLoopDriver {
public:
    using MenuAction = std::function<void(CPieceMenu&)>;
    using PromptAction = std::function<void(QMessageBox&)>;

    NestedLoopDriver();

    void ExpectMenu(MenuAction action);
    void ExpectPrompt(QMessageBox::StandardButton answer);
    void ExpectPrompt(PromptAction answer);
    void ExpectCongratulations();
    // For play whose outcome the caller does not foresee: a Congratulations dialog, should one open, is closed.
    void AllowCongratulations() { congratulationsAllowed = true; }
    // Notices (message boxes with an OK button alone) are closed with it and remembered in Prompts(), unexpected
    // or not: a win may bring one about the totals, which the caller watches for itself.
    void AllowNotices() { noticesAllowed = true; }
    int Congratulated() const { return congratulated; }

    bool AllSeen() const { return steps.empty(); }
    const std::vector<std::string>& Unexpected() const { return unexpected; }
    // What the prompts said, with their captions, icons and buttons, in the order they came.
    struct PromptSeen {
        QString caption, text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };
    const std::vector<PromptSeen>& Prompts() const { return prompts; }
    // The menus as they stood when the driver acted on them: position and size on the screen.
    const std::vector<QRect>& MenuGeometries() const { return menus; }
    // The override cursor while each expected window was open: none, or the wait cursor.
    const std::vector<bool>& WaitCursorWhileOpen() const { return waitCursor; }

private:
    enum class Window { Menu, Prompt, Congratulations };
    struct Step {
        Window window;
        MenuAction menuAction;
        PromptAction promptAction;
    };

    void Tick();
    void Answer(QMessageBox& box, const PromptAction& answer);
    bool Next(Window window) const { return !steps.empty() && steps.front().window == window; }
    Step Take();
    void Refuse(std::string what, const std::function<void()>& close);

    QTimer timer;
    std::deque<Step> steps;
    std::vector<std::string> unexpected;
    std::vector<PromptSeen> prompts;
    std::vector<QRect> menus;
    std::vector<bool> waitCursor;
    bool congratulationsAllowed = false;
    bool noticesAllowed = false;
    int congratulated = 0;
};

// Ways of answering the piece menu.
namespace MenuChoice {

// Points at the item and clicks it with the given button. A menu without the item is closed unchosen.
NestedLoopDriver::MenuAction Click(int id, Qt::MouseButton button = Qt::LeftButton);

// Types the keys to the open menu.
NestedLoopDriver::MenuAction Keys(std::vector<Qt::Key> keys);

// Walks down to the item with the arrow keys and takes it with Enter; whenEntered runs just before the Enter.
NestedLoopDriver::MenuAction Arrows(int id, std::function<void()> whenEntered = {});

// Presses a mouse button beside the menu, over the window underneath.
NestedLoopDriver::MenuAction ClickBeside(QWidget* target);

} // namespace MenuChoice
