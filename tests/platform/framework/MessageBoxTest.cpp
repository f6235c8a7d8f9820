// The confirmation prompts: Yes or No with the question icon, Yes the default, captioned with the
// application name and owned by the window that asks.
#include "StatsTestSupport.h"

#include "CScoreDlg.h"

#include <QMessageBox>
#include <QPushButton>

namespace {


struct PromptCase {
    const char* name;
    const char* text;
    bool clearing; // Clear Score in the Score dialog; otherwise Give Up in the game window
};

const PromptCase PromptCases[] = {
    {"ClearScore", "Are you sure you want to clear your score?", true},
    {"GiveUp", "Are you sure you want to give up?", false},
};

class Prompt : public StatsFixture, public ::testing::WithParamInterface<PromptCase> {
protected:
    void SetUp() override
    {
        StatsFixture::SetUp();
        SeedTotals(2, 3);
        ASSERT_NO_FATAL_FAILURE(StartWindow());
    }

    // Asks the case's question as the player would; returns the window that asked.
    QWidget* Ask()
    {
        if (!GetParam().clearing) {
            Button(dialog.get(), IDC_START_GAME)->click();
            Button(dialog.get(), IDC_GIVE_UP)->click();
            return dialog.get();
        }
        QWidget* asker = nullptr;
        WhenModal<CScoreDlg>([&asker](CScoreDlg* score) {
            asker = score;
            score->Item<QAbstractButton>(IDC_CLEAR_SCORE)->click();
            if (score->isVisible())
                score->close();
        });
        Button(dialog.get(), IDC_SCORE)->click();
        return asker;
    }
};

TEST_P(Prompt, AsksYesOrNoWithYesTheDefault)
{
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool yesIsDefault = false;
    const QWidget* owner = nullptr;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        owner = box->parentWidget();
        box->button(QMessageBox::No)->click();
    });

    const QWidget* asker = Ask();

    EXPECT_EQ(caption, app.AppName());
    EXPECT_EQ(caption, "platform_tests") << "the executable's name, not the window title";
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(yesIsDefault);
    ASSERT_NE(asker, nullptr);
    EXPECT_EQ(owner, asker);
    EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(2, 3)) << "No changes nothing";
    EXPECT_EQ(Button(dialog.get(), IDC_GIVE_UP)->isEnabled(), !GetParam().clearing) << "No changes nothing";
}

TEST_P(Prompt, EnterAnswersYes)
{
    bool answered = false;
    WhenModal<QMessageBox>([&answered](QMessageBox* box) {
        answered = true;
        QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    });

    Ask();

    ASSERT_TRUE(answered);
    if (GetParam().clearing)
        EXPECT_EQ(TotalsShown(*dialog), TotalsShownFor(0, 0)) << "Yes cleared the totals";
    else
        EXPECT_FALSE(Button(dialog.get(), IDC_GIVE_UP)->isEnabled()) << "Yes gave the game up";
}

INSTANTIATE_TEST_SUITE_P(Prompts, Prompt, ::testing::ValuesIn(PromptCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
