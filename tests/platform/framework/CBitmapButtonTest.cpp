// The picture button: which picture each state shows, and that nothing else is drawn.
#include "CorvaneResources.h"
#include "CBitmapButton.h"
#include "PixelProbe.h"
#include "Pictures.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A different picture in each slot, so that every choice of the drawing rule can be told apart.
const QString upName = "IDB_NORTH_U", downName = "IDB_EAST_D", focusName = "IDB_SOUTH_F", disabledName = "IDB_WATER_X";
const QRect pictureArea(0, 0, 22, 22);

struct StateCase {
    const char* state;
    std::function<void(CBitmapButton&)> enter;
    QString shown; // with all four slots loaded
};

void PrintTo(const StateCase& c, std::ostream* os) { *os << c.state; }

const StateCase states[] = {
    {"AtRest", [](CBitmapButton&) {}, upName},
    {"Pressed", [](CBitmapButton& b) { b.setDown(true); }, downName},
    {"Focused", [](CBitmapButton& b) { b.setFocus(); }, focusName},
    {"PressedWhileFocused", [](CBitmapButton& b) { b.setFocus(); b.setDown(true); }, downName},
    {"Disabled", [](CBitmapButton& b) { b.setEnabled(false); }, disabledName},
    {"PressedWhileDisabled", [](CBitmapButton& b) { b.setEnabled(false); b.setDown(true); }, downName},
};

// The button sits in an active window, two pixels larger than its pictures, carrying a mark as its text;
// another control holds the focus.
class BitmapButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.resize(80, 60);
        button = new CBitmapButton(CorvaneResources::Instance(), &window);
        button->setGeometry(10, 10, 24, 24);
        button->setText("7");
        auto* elsewhere = new QPushButton("elsewhere", &window);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The window hands its focus to its first control; at rest the button must not hold it.
        elsewhere->setFocus();
        ASSERT_FALSE(button->hasFocus());
    }

    // What the button draws in its current state: its picture area and the margin beyond.
    void ExpectShows(const QString& name) const
    {
        const QImage drawn = button->grab().toImage();
        ASSERT_EQ(drawn.size(), QSize(24, 24));
        EXPECT_EQ(Cut(drawn, pictureArea), Cut(LoadBitmap(name), pictureArea)) << qPrintable(name);
        const QRgb background = button->palette().color(QPalette::Window).rgb();
        EXPECT_EQ(CountOtherThan(drawn, QRect(22, 0, 2, 24), background), 0);
        EXPECT_EQ(CountOtherThan(drawn, QRect(0, 22, 24, 2), background), 0);
    }

    QWidget window;
    CBitmapButton* button = nullptr;
};

TEST_F(BitmapButton, LoadsAllFourWhenTheUpPictureExists)
{
    EXPECT_TRUE(button->LoadBitmaps(upName, downName, focusName, disabledName));
    ExpectShows(upName);
}

TEST_F(BitmapButton, UnknownUpPictureLoadsNothingAndDrawsNothing)
{
    const QImage before = button->grab().toImage();
    EXPECT_FALSE(button->LoadBitmaps("IDB_NOTHING_U", downName, focusName, disabledName));
    for (const StateCase& s : states) {
        s.enter(*button);
        EXPECT_EQ(button->grab().toImage(), before) << s.state;
    }
}

TEST_F(BitmapButton, LoadingANewSetReleasesTheOldOne)
{
    const QImage blank = button->grab().toImage();
    button->LoadBitmaps(upName, downName, focusName, disabledName);
    button->LoadBitmaps("IDB_NOTHING_U", downName, focusName, disabledName);
    button->setDown(true);
    EXPECT_EQ(button->grab().toImage(), blank);
}

TEST_F(BitmapButton, StaysSharpOnDoubleDensityScreens)
{
    button->LoadBitmaps(upName, downName, focusName, disabledName);
    QImage drawn(48, 48, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(2);
    button->render(&drawn);
    drawn.setDevicePixelRatio(1);
    // Every picture pixel becomes a 2 x 2 block of its own colour, with no blended colours between.
    const QImage doubled = LoadBitmap(upName).convertToFormat(QImage::Format_RGB32).scaled(44, 44);
    EXPECT_EQ(drawn.copy(0, 0, 44, 44), doubled);
}

// A read-only button takes the focus and passes on its clicks, by mouse and by the space bar, but is never
// drawn pressed: what it shows cannot be changed.
TEST_F(BitmapButton, ReadOnlyTakesFocusAndClicksButIsNeverDrawnPressed)
{
    button->LoadBitmaps(upName, downName, focusName, disabledName);
    button->SetReadOnly(true);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    button->setDown(true);
    ExpectShows(upName);
    button->setDown(false);

    QTest::mousePress(button, Qt::LeftButton);
    ExpectShows(focusName);
    QTest::mouseRelease(button, Qt::LeftButton);
    QTest::keyPress(button, Qt::Key_Space);
    ExpectShows(focusName);
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 2);

    button->SetReadOnly(false);
    button->setDown(true);
    ExpectShows(downName);
}

class BitmapButtonStates : public BitmapButton, public ::testing::WithParamInterface<StateCase> {};

TEST_P(BitmapButtonStates, ShowsThePictureOfItsStateUnscaledAtTopLeft)
{
    button->LoadBitmaps(upName, downName, focusName, disabledName);
    GetParam().enter(*button);
    ExpectShows(GetParam().shown);
}

TEST_P(BitmapButtonStates, MissingPicturesFallBackToUp)
{
    EXPECT_TRUE(button->LoadBitmaps(upName, "IDB_NOTHING_D", "IDB_NOTHING_F", "IDB_NOTHING_X"));
    GetParam().enter(*button);
    ExpectShows(upName);
}

TEST_P(BitmapButtonStates, ClueCellShowsItsCluePictureInEveryState)
{
    const QString clue = "IDB_RED_WATER_X";
    button->LoadBitmaps(clue, clue, clue, clue);
    GetParam().enter(*button);
    ExpectShows(clue);
}

INSTANTIATE_TEST_SUITE_P(EveryState, BitmapButtonStates, ::testing::ValuesIn(states),
                         [](const auto& info) { return std::string(info.param.state); });

} // namespace
