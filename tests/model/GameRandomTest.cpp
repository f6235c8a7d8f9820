// The random source's sequences for known seeds.
#include "GameRandom.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct SeedSequence {
    std::uint32_t seed;
    std::array<int, 5> firstDraws;
};

constexpr std::array<SeedSequence, 2> Sequences = {{
    {0, {38, 7719, 21238, 2437, 8855}},
    {1, {41, 18467, 6334, 26500, 19169}},
}};

TEST(GameRandomTest, KnownSeedsGiveTheirSequences)
{
    for (const SeedSequence& sequence : Sequences) {
        GameRandom random;
        random.Seed(sequence.seed);
        for (int expected : sequence.firstDraws)
            EXPECT_EQ(random.Next(), expected) << "seed " << sequence.seed;
    }
}

TEST(GameRandomTest, ReseedingStartsTheSequenceAgain)
{
    GameRandom random;
    random.Seed(1);
    random.Next();
    random.Seed(0);
    EXPECT_EQ(random.Next(), 38);
}

} // namespace
