// The layouts that seeds 0 and 1 produce, shared by the model and game window tests.
#pragma once

#include "GameRandom.h"

#include <cstdint>
#include <string_view>

inline constexpr std::string_view Seed0Layout = R"(
    o.....<>..
    ....o.....
    .......^..
    <>.....v..
    ..........
    ^.<#>...^.
    #.......#.
    v.....o.#.
    ........v.
    .....o....
)";

// Another fleet with the counts of seed 0: the one-cell ships of rows 1 and 2 in each other's columns.
inline constexpr std::string_view Seed0SubmarinesSwapped = R"(
    ....o.<>..
    o.........
    .......^..
    <>.....v..
    ..........
    ^.<#>...^.
    #.......#.
    v.....o.#.
    ........v.
    .....o....
)";

inline constexpr std::string_view Seed1Layout = R"(
    ......o...
    ....^.....
    .^..#..o..
    .v..v.....
    ..........
    o.......<>
    ..^.......
    ..#...<##>
    ..v.......
    o......<>.
)";

// A source seeded with seed that has already made draws draws.
inline GameRandom SeededAfter(std::uint32_t seed, int draws)
{
    GameRandom random;
    random.Seed(seed);
    for (int i = 0; i < draws; ++i)
        random.Next();
    return random;
}
