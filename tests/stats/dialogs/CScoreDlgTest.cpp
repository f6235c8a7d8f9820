// The Score dialog: the totals as the game window shows them, clearing on Yes only, and every way out.
#include "StatsTestSupport.h"

#include "CScoreDlg.h"

#include <QMessageBox>

namespace {

class ScoreDialog : public StatsFixture {
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        SeedTotals(2, 3);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
    }

    // Presses Score and runs inside the dialog once it is up; returns when the dialog has ended.
    void RunScoreDialog(std::function<void(CScoreDlg&)> inside)
    {
        bool ran = false;
        WhenModal<CScoreDlg>([&](CScoreDlg* score) {
            ran = true;
            inside(*score);
        });
        Button(dialog.get(), IDC_SCORE)->click();
        ASSERT_TRUE(ran);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the Score dialog has ended";
    }

    // Presses Clear Score and gives the prompt this answer.
    void ClearScore(CScoreDlg& score, QMessageBox::StandardButton answer)
    {
        bool asked = false;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            asked = true;
            box->button(answer)->click();
        });
        Button(&score, IDC_CLEAR_SCORE)->click();
        ASSERT_TRUE(asked);
    }

    void ExpectTotalsKept()
    {
        EXPECT_EQ(Text(IDC_TOTAL_GAMES), "2");
        EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "1.50");
    }
};

TEST_F(ScoreDialog, ShowsTheWindowsTextsWithTheFocusOnCancel)
{
    RunScoreDialog([&](CScoreDlg& score) {
        EXPECT_EQ(score.windowTitle(), "Score");
        EXPECT_EQ(score.GetDlgItemText(IDC_TOTAL_GAMES), "2");
        EXPECT_EQ(score.GetDlgItemText(IDC_AVERAGE_SCORE), "1.50");
        EXPECT_TRUE(Button(&score, IDOK)->hasFocus());
        EXPECT_EQ(Button(&score, IDOK)->text(), "&Cancel");
        EXPECT_EQ(score.parentWidget(), dialog.get());
        EXPECT_NEAR(score.geometry().center().x(), dialog->geometry().center().x(), 2);
        EXPECT_NEAR(score.geometry().center().y(), dialog->geometry().center().y(), 2);
        Button(&score, IDOK)->click();
    });
    ExpectTotalsKept();
}

TEST_F(ScoreDialog, ClearingOnYesZeroesBothTotalsAndEndsTheDialog)
{
    QByteArray storedWhileOpen;
    RunScoreDialog([&](CScoreDlg& score) {
        ClearScore(score, QMessageBox::Yes);
        storedWhileOpen = ReadSettings();
        EXPECT_FALSE(score.isVisible());
    });

    EXPECT_EQ(Text(IDC_TOTAL_GAMES), "0");
    EXPECT_EQ(Text(IDC_AVERAGE_SCORE), "0");
    EXPECT_EQ(storedWhileOpen, "[Stats]\nTotalGames=0\nTotalScore=0\n") << "the clearing is saved at once";
}

TEST_F(ScoreDialog, AnsweringNoKeepsTheDialogOpenAndTheTotals)
{
    RunScoreDialog([&](CScoreDlg& score) {
        ClearScore(score, QMessageBox::No);
        EXPECT_TRUE(score.isVisible());
        EXPECT_EQ(score.GetDlgItemText(IDC_TOTAL_GAMES), "2");
        EXPECT_EQ(score.GetDlgItemText(IDC_AVERAGE_SCORE), "1.50");
        Button(&score, IDOK)->click();
    });
    ExpectTotalsKept();
}

TEST_F(ScoreDialog, ClearingMidGameLeavesTheGameAlone)
{
    Button(dialog.get(), IDC_START_GAME)->click();
    const QString gameNumber = Text(IDC_GAME_NUMBER);
    RunScoreDialog([&](CScoreDlg& score) { ClearScore(score, QMessageBox::Yes); });

    EXPECT_EQ(Text(IDC_GAME_NUMBER), gameNumber);
    EXPECT_EQ(Text(IDC_CURRENT_SCORE), "0");
    EXPECT_TRUE(Button(dialog.get(), IDC_CLUE)->isEnabled());
}

struct ScoreWayOut {
    const char* name;
    std::function<void(CScoreDlg&)> leave;
};

class ScoreDialogWayOut : public ScoreDialog, public ::testing::WithParamInterface<ScoreWayOut> {};

TEST_P(ScoreDialogWayOut, ChangesNothing)
{
    RunScoreDialog(GetParam().leave);
    ExpectTotalsKept();
}

const ScoreWayOut ScoreWaysOut[] = {
    {"Cancel", [](CScoreDlg& score) { score.Item<QAbstractButton>(IDOK)->click(); }},
    {"Enter", [](CScoreDlg& score) { QTest::keyClick(score.windowHandle(), Qt::Key_Return); }},
    {"Space", [](CScoreDlg& score) { QTest::keyClick(score.windowHandle(), Qt::Key_Space); }},
    {"Escape", [](CScoreDlg& score) { QTest::keyClick(score.windowHandle(), Qt::Key_Escape); }},
    {"CloseBox", [](CScoreDlg& score) { score.close(); }},
};

INSTANTIATE_TEST_SUITE_P(Ways, ScoreDialogWayOut, ::testing::ValuesIn(ScoreWaysOut),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
