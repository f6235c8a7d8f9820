// The string table holds the program's texts by number and nothing else.
#include "StringTable.h"

#include <gtest/gtest.h>

namespace {

struct StringCase {
    int id;
    const char* text;
};

class StringTableTest : public testing::TestWithParam<StringCase> {};

TEST_P(StringTableTest, LoadsTheText)
{
    EXPECT_EQ(LoadString(GetParam().id), QString::fromLatin1(GetParam().text));
}

// Numbers the program never asks for, including the neighbours of the ones it does, give empty texts;
// the help failure text belongs to the dialog layer, not to the program.
INSTANTIATE_TEST_SUITE_P(Entries, StringTableTest,
                         testing::Values(StringCase{100, "Brindlemoor"},
                                         StringCase{101, "Are you sure you want to clear your score?"},
                                         StringCase{102, "Clue is on Row %d, Column %c"},
                                         StringCase{103, "Are you sure you want to give up?"},
                                         StringCase{110, "Your fleet fits every count and clue, but it is not the "
                                                         "hidden one: %1 fleets fit what you know. Your next clue "
                                                         "will show a ship cell that your fleet leaves empty."},
                                         StringCase{111, "more than %1"},
                                         StringCase{112, "Your win will be added to your totals when the other Corvane is done."},
                                         StringCase{3008, "Fill &Row with Water"},
                                         StringCase{3009, "Fill &Column with Water"},
                                         StringCase{61703, ""},
                                         StringCase{0, ""}, StringCase{99, ""}, StringCase{104, ""}, StringCase{109, ""}, StringCase{113, ""},
                                         StringCase{3000, ""}, StringCase{3010, ""}, StringCase{-1, ""}));

} // namespace
