// Every text of every window fits its control in every language the program has a catalogue of, at the
// scales desktops offer most: no text wider or taller than the room its control leaves it, no two controls
// over each other, none outside its window, and the game window as large as in English.
#include "ClassicFont.h"
#include "DialogUnits.h"
#include "WindowPicturesRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FitCase {
    QString language;
    double scale;
};

std::vector<FitCase> FitCases()
{
    std::vector<FitCase> cases;
    const QStringList languages = QStringList{"en"} + QString(CORVANE_LANGUAGES).split(',', Qt::SkipEmptyParts);
    for (const QString& language : languages)
        for (double scale : {1.0, 1.25, 1.5, 2.0})
            cases.push_back({language, scale});
    return cases;
}

class TextsFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(TextsFit, InTheirControlsWithoutOverlapInAWindowOfItsOwnSize)
{
    const FitCase& given = GetParam();
    const WindowPicturesRun run(given.scale, QSize(3840, 2160), given.language, true);
    ASSERT_TRUE(run.Succeeded()) << run.Report();
    // The catalogue asked for is the one spoken: a test of English words would prove nothing of others.
    ASSERT_EQ(run.Words("language"), QStringList{given.language});
    // Numbers are written as the language writes them, whatever the desktop's numbers are (LC_NUMERIC is C).
    const QLocale numbers = given.language == "en" ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(given.language);
    EXPECT_EQ(run.Words("number"), QStringList{numbers.toString(12'345)});

    int measured = 0;
    for (const QStringList& line : run.Texts()) {
        const QString joined = line.join(' ');
        if (line.value(1) == "text") {
            ++measured;
            const QSize needed(line.value(2).toInt(), line.value(3).toInt());
            const QSize room(line.value(4).toInt(), line.value(5).toInt());
            EXPECT_TRUE(needed.width() <= room.width() && needed.height() <= room.height()) << joined.toStdString();
        } else {
            ADD_FAILURE() << joined.toStdString();
        }
    }
    // Every window's texts were found: the main window alone shows over forty.
    EXPECT_GT(measured, 150);

    // The dialog units come from the dialog font's letters, whatever script the texts are in.
    const DialogUnits units(DialogFont(8));
    EXPECT_EQ(run.Words("units"), (QStringList{QString::number(units.BaseX()), QString::number(units.BaseY())}));
    EXPECT_EQ(run.Words("client"),
              (QStringList{QString::number(units.ToPixelsX(341)), QString::number(units.ToPixelsY(264))}));
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, ::testing::ValuesIn(FitCases()), [](const auto& info) {
    return info.param.language.toStdString() + "_x" + std::to_string(qRound(info.param.scale * 100));
});

} // namespace
