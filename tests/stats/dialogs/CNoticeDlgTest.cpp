// The About and Congratulations dialogs: centred over the game window, focus on Close, and every way out.
#include "StatsTestSupport.h"

#include "CAboutDlg.h"
#include "CCongratsDlg.h"

#include <QLabel>

namespace {

struct NoticeCase {
    const char* name;
    const char* caption;
    const char* message; // the start of its text
    // Opens the dialog as the program does; returns when it has ended.
    void (*open)(CCorvaneDlg& main);
};

const NoticeCase Notices[] = {
    {"About", "About", "Corvane v. 1.00 for Windows 95, Windows 98, and NT",
     [](CCorvaneDlg& main) { main.Item<QAbstractButton>(IDC_ABOUT)->click(); }},
    {"Congratulations", "Corvane", "Congratulations - You found the fleet!!!",
     [](CCorvaneDlg&) {
         CCongratsDlg congratulations;
         congratulations.DoModal();
     }},
};

struct WayOut {
    const char* name;
    void (*leave)(CDialog& notice);
};

const WayOut WaysOut[] = {
    {"Close", [](CDialog& notice) { notice.Item<QAbstractButton>(IDOK)->click(); }},
    {"Enter", [](CDialog& notice) { QTest::keyClick(notice.windowHandle(), Qt::Key_Return); }},
    {"Escape", [](CDialog& notice) { QTest::keyClick(notice.windowHandle(), Qt::Key_Escape); }},
    {"CloseBox", [](CDialog& notice) { notice.close(); }},
};

bool HasLabelStartingWith(const CDialog& dialog, const QString& text)
{
    const auto& controls = dialog.Controls();
    return std::any_of(controls.begin(), controls.end(), [&text](QWidget* control) {
        auto* label = qobject_cast<QLabel*>(control);
        return label && label->text().startsWith(text);
    });
}

class NoticeDialog : public StatsFixture, public ::testing::WithParamInterface<std::tuple<NoticeCase, WayOut>> {};

TEST_P(NoticeDialog, OpensCentredWithTheFocusOnCloseAndEndsEveryWay)
{
    const auto& [notice, wayOut] = GetParam();
    ASSERT_NO_FATAL_FAILURE(StartWindow());
    bool shown = false;
    WhenModal<CDialog>([&, notice = notice, wayOut = wayOut](CDialog* dialogShown) {
        shown = true;
        EXPECT_EQ(dialogShown->windowTitle(), notice.caption);
        EXPECT_TRUE(HasLabelStartingWith(*dialogShown, notice.message));
        EXPECT_TRUE(dialogShown->Item<QAbstractButton>(IDOK)->hasFocus());
        EXPECT_EQ(dialogShown->Item<QAbstractButton>(IDOK)->text(), "&Close");
        EXPECT_EQ(dialogShown->parentWidget(), dialog.get()) << "owned by the game window";
        EXPECT_NEAR(dialogShown->geometry().center().x(), dialog->geometry().center().x(), 2);
        EXPECT_NEAR(dialogShown->geometry().center().y(), dialog->geometry().center().y(), 2);
        wayOut.leave(*dialogShown);
    });

    notice.open(*dialog);

    EXPECT_TRUE(shown);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the dialog has ended";
    EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Notices, NoticeDialog,
                         ::testing::Combine(::testing::ValuesIn(Notices), ::testing::ValuesIn(WaysOut)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

} // namespace
