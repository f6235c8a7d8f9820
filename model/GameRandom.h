// The program's one random source: a 32-bit linear congruential generator.
#pragma once

#include <cstdint>

// One instance per process, seeded once at start-up and drawn from by the fleet generator and the clue choice.
class GameRandom {
public:
    void Seed(std::uint32_t value) { state = value; }

    // A value from 0 to 32767.
    int Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

    // Equal sources give equal draws from here on.
    friend bool operator==(const GameRandom&, const GameRandom&) = default;

private:
    std::uint32_t state = 0;
};
