// The artwork of the program icon: a grey warship on blue water, as 16-colour pixel maps.
#pragma once

#include <array>
#include <string_view>

namespace IconArt {

// Each letter stands for the palette entry at its position in this key: k black, r dark red,
// n dark blue, l light grey, d dark grey, B blue, C cyan, w white, and so on.
inline constexpr std::string_view ColourKey = "krgynmcldRGYBMCw";

inline constexpr std::array<std::string_view, 32> Large = {
    "CCCCCCCCCCCCCCCCCCCCCCCCCCCCCCCC",
    "CCCCCCCCCCCCCCCCCCCCCCCCCCCwwCCC",
    "CCCCCCCCCCCCCCCCCCCCCCCCCwwwwwwC",
    "CCCCCCCCCCCCCCCkCCCCCCCCCCCwwwCC",
    "CCCCCCCCCCCCCCCkCCCCCCCCCCCCCCCC",
    "CCCCCCCCCCCCCkkkkkCCCCCCCCCCCCCC",
    "CCCCCCCCCCCCCCCkCCCCCCCCCCCCCCCC",
    "CCCCwwwCCCCCCCCkCCCCCCCCCCCCCCCC",
    "CCwwwwwwCCCCCCkkkCCCCkkkCCCCCCCC",
    "CCCwwwCCCCCCCklllkCCCkdkCCCCCCCC",
    "CCCCCCCCCCCCklllllkCCkdkCCCCCCCC",
    "CCCCCCCCCCCkknknknkkkkdkkCCCCCCC",
    "CCCCCCkkkkkkllllllllllllkCCCCCCC",
    "CCCCkkkkdkkllllllllllllllkkkkkCC",
    "Ckkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk",
    "CkllllllllllllllllllllllllllllkC",
    "CCkdddddddddddddddddddddddddddkC",
    "CCCkdddddddddddddddddddddddddkCC",
    "CCCCkrrrrrrrrrrrrrrrrrrrrrrrkCCC",
    "BBBBBkkkkkkkkkkkkkkkkkkkkkkkBBBB",
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "BnnnBBBBBBBBwwwBBBBBBBBBBBBnnnBB",
    "BBBBnnBBBBBwBBBwBBBBBnnnBBBBBnnB",
    "BBBBBBBBBBBBBBBBBBBBnBBBnBBBBBBB",
    "BBBBBBBBnnnBBBBBBBBBBBBBBBBBBBBB",
    "BBBnnBBnBBBnBBBBBBBBBBBBBwwwBBBB",
    "BBBBBnnBBBBBBBBBBBBBBBBBwBBBwBBB",
    "BBBBBBBBBBBBBBBBBnnnBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBnBBBnBBBBBBBBnnB",
    "BBnnnBBBBBBBBBBBBBBBBBBBBBBnnBBB",
    "BnBBBnBBBBBBBBBBBBBBBBBBBBBBBBBB",
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB",
};

inline constexpr std::array<std::string_view, 16> Small = {
    "CCCCCCCCCCCCCwwC",
    "CCCCCCCCCCCwwwwC",
    "CCCCCCCkCCCCCCCC",
    "CCCCCCkkkCCCCCCC",
    "CCCCCCklkCCkdkCC",
    "CCCCCklllkkkdkCC",
    "CCCkkllllllllkkC",
    "kkkkkkkkkkkkkkkk",
    "kllllllllllllllk",
    "CkddddddddddddkC",
    "CCkrrrrrrrrrrkCC",
    "BBBkkkkkkkkkkBBB",
    "BBBBBBBBBBBBBBBB",
    "BnnBBBBBwwBBBBnB",
    "BBBBBnnBBBBBnnBB",
    "BBBBBBBBBBBBBBBB",
};

} // namespace IconArt
