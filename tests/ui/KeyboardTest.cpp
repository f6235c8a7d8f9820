// The game window's keyboard: Enter, Escape, mnemonics, and every way of closing it.
#include "MainWindowFixture.h"

#include "CWinApp.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <functional>

namespace {

constexpr int FirstShipCheck = 6000;
constexpr int FleetBox = 149;

// Counts the clicks of every button of the window.
class ClickRecorder {
public:
    explicit ClickRecorder(const CCorvaneDlg& dialog)
    {
        for (QWidget* control : dialog.Controls())
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                spies.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    }

    int Total() const
    {
        int total = 0;
        for (const auto& spy : spies)
            total += spy->count();
        return total;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

// Ends every modal window that opens over the game window, so that a click that opens one returns.
class ModalCloser {
public:
    explicit ModalCloser(QWidget* mainWindow)
    {
        QObject::connect(&timer, &QTimer::timeout, [mainWindow] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != mainWindow)
                modal->close();
        });
        timer.start(20);
    }

private:
    QTimer timer;
};

void StartAGame(CCorvaneDlg& dialog) { dialog.Item<QAbstractButton>(IDC_START_GAME)->click(); }

// Where the focus stands before a key that must do nothing.
struct FocusSetup {
    const char* name;
    std::function<QWidget*(CCorvaneDlg&)> prepare; // returns the control that holds the focus, or the window
};

const FocusSetup QuietFocuses[] = {
    {"cell",
     [](CCorvaneDlg& dialog) -> QWidget* {
         StartAGame(dialog);
         return dialog.CellAt(3, 3);
     }},
    {"check box",
     [](CCorvaneDlg& dialog) -> QWidget* {
         StartAGame(dialog);
         return dialog.GetDlgItem(FirstShipCheck);
     }},
    {"nothing",
     [](CCorvaneDlg& dialog) -> QWidget* {
         // The window itself, with no control focused.
         dialog.setFocus(Qt::OtherFocusReason);
         return &dialog;
     }},
};

class GameWindowKeyboard : public MainWindowFixture {
protected:
    // A new window with the focus placed as the setup says; returns where the focus is.
    QWidget* StartWithFocus(const FocusSetup& setup)
    {
        StartWindow();
        QWidget* focused = setup.prepare(*dialog);
        if (focused != dialog.get())
            Focus(focused);
        return focused;
    }
};

// Enter acts only on a focused push button: on a cell, a check box or no control it does nothing.
TEST_F(GameWindowKeyboard, EnterDoesNothingUnlessAPushButtonHasTheFocus)
{
    for (const FocusSetup& setup : QuietFocuses) {
        SCOPED_TRACE(setup.name);
        QWidget* focused = nullptr;
        ASSERT_NO_FATAL_FAILURE(focused = StartWithFocus(setup));
        ASSERT_EQ(QApplication::focusWidget(), focused);
        ClickRecorder clicks(*dialog);
        Press(Qt::Key_Return);
        Press(Qt::Key_Enter, Qt::KeypadModifier);
        // Enter clicks a push button within the key press, so a click that has not come by now never will.
        EXPECT_EQ(clicks.Total(), 0);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), focused);
        EXPECT_FALSE(qobject_cast<QCheckBox*>(Item(FirstShipCheck))->isChecked());
    }
}

TEST_F(GameWindowKeyboard, EnterClicksTheFocusedPushButton)
{
    QSignalSpy startGame(qobject_cast<QAbstractButton*>(Item(IDC_START_GAME)), &QAbstractButton::clicked);
    Press(Qt::Key_Return);
    EXPECT_EQ(startGame.count(), 1);
    EXPECT_TRUE(Cell(0, 0)->isEnabled()) << "a game has started";

    Focus(Item(IDC_EXIT));
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), IDOK);
}

// Escape never closes the window and changes nothing, wherever the focus is.
TEST_F(GameWindowKeyboard, EscapeDoesNothing)
{
    for (const FocusSetup& setup : QuietFocuses) {
        SCOPED_TRACE(setup.name);
        QWidget* focused = nullptr;
        ASSERT_NO_FATAL_FAILURE(focused = StartWithFocus(setup));
        ClickRecorder clicks(*dialog);
        Press(Qt::Key_Escape);
        EXPECT_EQ(clicks.Total(), 0);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), focused);
    }
}

// Alt and a button's underlined letter click the button, if it is enabled.
TEST_F(GameWindowKeyboard, AltAndMnemonicClicksAnEnabledButton)
{
    const ModalCloser closer(dialog.get());
    const struct {
        Qt::Key key;
        int id;
        bool clicks;
    } cases[] = {
        {Qt::Key_G, IDC_GIVE_UP, false}, {Qt::Key_C, IDC_CLUE, false},  {Qt::Key_U, IDC_UNDO, false},
        {Qt::Key_R, IDC_SCORE, true},    {Qt::Key_A, IDC_ABOUT, true},  {Qt::Key_S, IDC_START_GAME, true},
        {Qt::Key_X, IDC_EXIT, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        QSignalSpy clicked(qobject_cast<QAbstractButton*>(Item(c.id)), &QAbstractButton::clicked);
        // The offscreen screen has no window manager to give the activation back after a dialog closes.
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        Press(c.key, Qt::AltModifier);
        // A mnemonic clicks its button within the key press, so what has not come by now never will.
        EXPECT_EQ(clicked.count(), c.clicks ? 1 : 0);
    }
    EXPECT_FALSE(dialog->isVisible()) << "Alt+X ends the game window";
    EXPECT_EQ(dialog->result(), IDOK);
}

// Takes clues until one fixes the cell; seed 0's seventh clue falls on (5, 0).
void ClueUntilFixed(CCorvaneDlg& d, int row, int column)
{
    for (int clues = 0; clues < 19 && !d.CellAt(row, column)->IsReadOnly(); ++clues)
        d.Item<QAbstractButton>(IDC_CLUE)->click();
}

// Alt and a row number moves the focus to the first usable control after the row label: the row's first
// enabled cell (a clue's too, which can be read), or further on in template order when the whole row is disabled.
TEST_F(GameWindowKeyboard, RowLabelMnemonicMovesTheFocus)
{
    const struct {
        const char* name;
        Qt::Key key;
        std::function<void(CCorvaneDlg&)> prepare;
        std::function<QWidget*(CCorvaneDlg&)> target;
    } cases[] = {
        {"row 1", Qt::Key_1, StartAGame, [](CCorvaneDlg& d) -> QWidget* { return d.CellAt(0, 0); }},
        {"row 6", Qt::Key_6, StartAGame, [](CCorvaneDlg& d) -> QWidget* { return d.CellAt(5, 0); }},
        {"row 10", Qt::Key_0, StartAGame, [](CCorvaneDlg& d) -> QWidget* { return d.CellAt(9, 0); }},
        {"row 6 with a clue on its first cell", Qt::Key_6,
         [](CCorvaneDlg& d) {
             StartAGame(d);
             ClueUntilFixed(d, 5, 0);
             ASSERT_TRUE(d.CellAt(5, 0)->IsReadOnly());
         },
         [](CCorvaneDlg& d) -> QWidget* { return d.CellAt(5, 0); }},
        {"row 6 before the first game", Qt::Key_6, [](CCorvaneDlg&) {},
         [](CCorvaneDlg& d) -> QWidget* { return d.GetDlgItem(IDC_START_GAME); }},
        {"fleet panel", Qt::Key_O, StartAGame, [](CCorvaneDlg& d) -> QWidget* { return d.GetDlgItem(FirstShipCheck); }},
        {"fleet panel before the first game", Qt::Key_O, [](CCorvaneDlg&) {},
         [](CCorvaneDlg& d) -> QWidget* { return d.GetDlgItem(IDC_START_GAME); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        random.Seed(0);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        ASSERT_NO_FATAL_FAILURE(c.prepare(*dialog));
        Focus(Item(IDC_EXIT));
        ClickRecorder clicks(*dialog);
        Press(c.key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), c.target(*dialog));
        EXPECT_EQ(clicks.Total(), 0);
    }
}

// The columns of a label's picture that carry ink, dark on the light face.
std::pair<int, int> InkColumns(QWidget* label)
{
    const QImage image = label->grab().toImage();
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

// A row label shows its number, with the mnemonic underlined and no "&" drawn: its ink lies within the
// width of the number at the right of the label.
TEST_F(GameWindowKeyboard, RowLabelsShowTheirNumberWithoutTheAmpersand)
{
    const int firstRowLabel = 19;
    for (int row = 0; row < BoardSize; ++row) {
        auto* label = qobject_cast<QLabel*>(dialog->Controls()[firstRowLabel + row * 12]);
        ASSERT_NE(label, nullptr);
        const QString number = QString::number(row + 1);
        SCOPED_TRACE(number.toStdString());
        const auto [first, last] = InkColumns(label);
        ASSERT_LE(first, last) << "the number is drawn";
        // One pixel of leeway for the anti-aliased edge of the first digit.
        EXPECT_GE(first, label->width() - label->fontMetrics().horizontalAdvance(number) - 1);
    }
}

// The close box, the window menu's Close and Alt+F4 all reach the window as a close request; that, Exit,
// Alt+X and Enter on Exit all end the running game window the same way, with the result of Exit.
TEST_F(GameWindowKeyboard, EveryWayOfClosingEndsLikeExit)
{
    const struct {
        const char* name;
        std::function<void()> close;
    } ways[] = {
        {"Exit clicked", [this] { QTest::mouseClick(Item(IDC_EXIT), Qt::LeftButton); }},
        {"close request", [this] { dialog->close(); }},
        {"Alt+X", [this] { Press(Qt::Key_X, Qt::AltModifier); }},
        {"Enter on Exit",
         [this] {
             Focus(Item(IDC_EXIT));
             Press(Qt::Key_Return);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
        QTimer::singleShot(0, dialog.get(), [this, &way] {
            QApplication::setActiveWindow(dialog.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            way.close();
            // A way that fails to close must fail the test, not hang it.
            QTimer::singleShot(5000, dialog.get(), [this] { dialog->EndDialog(-1); });
        });
        EXPECT_EQ(dialog->DoModal(), IDOK);
        EXPECT_FALSE(dialog->isVisible());
    }
}

// Escape inside the running window leaves it running; only Exit then ends it.
TEST_F(GameWindowKeyboard, EscapeDoesNotEndTheRunningWindow)
{
    bool openAfterEscape = false;
    QTimer::singleShot(0, dialog.get(), [this, &openAfterEscape] {
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        Press(Qt::Key_Escape);
        openAfterEscape = !QTest::qWaitFor([this] { return !dialog->isVisible(); }, 200);
        qobject_cast<QPushButton*>(Item(IDC_EXIT))->click();
    });
    EXPECT_EQ(dialog->DoModal(), IDOK);
    EXPECT_TRUE(openAfterEscape);
}

} // namespace
