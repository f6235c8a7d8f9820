// The program icon as shapes on a 32-unit grid: a grey warship on blue water under a cyan sky.
#pragma once

#include "PictureGeometry.h"
#include "VectorIcon.h"

#include <array>
#include <string_view>

namespace IconGeometry {

inline constexpr int Grid = 32;

// The sizes the icon names when a window system asks which it has, in logical pixels: those of title bars,
// task bars and window switchers. Each is drawn when the window gets its icon, so none larger; any other
// size is drawn when asked for.
inline constexpr std::array<int, 6> OfferedSizes = {16, 22, 24, 32, 48, 64};

inline QRgb Colour(PictureGeometry::Colour index) { return PictureGeometry::Palette[index]; }

// A little wave: the upper half of an oval outline five units wide and four high, from (left, top).
inline IconLayer Wave(qreal left, qreal top, PictureGeometry::Colour colour)
{
    return {IconShape::Oval(left + 2.5, top + 2, 2.5, 2), std::nullopt, Colour(colour), 1, QRectF(left, top, 5, 2)};
}

// At 32 pixels every unit is a pixel and the polygons' corners lie where each row's pixel centres fall
// inside, so the drawing is the program's 16-colour artwork exactly; at other sizes the same shapes.
inline std::vector<IconLayer> Layers()
{
    using namespace PictureGeometry;
    const auto rect = [](qreal x, qreal y, qreal w, qreal h, PictureGeometry::Colour colour) {
        return IconLayer{IconShape::Rect(x, y, w, h), Colour(colour)};
    };
    // Stepping in towards the keel, one unit a row on each side.
    const IconShape hull = IconShape::Poly(
        {{1, 14}, {32, 14}, {32, 15}, {31, 15}, {31, 16.5}, {27.5, 20}, {5.5, 20}, {1, 15.5}});
    const IconShape deckhouse = IconShape::Poly({{10.7, 11}, {25.3, 11}, {25.3, 12.5}, {27.3, 14.5}, {27.3, 15},
                                                 {8.7, 15}, {8.7, 14.5}, {10.7, 12.5}});
    const IconShape bridge = IconShape::Poly({{14.7, 8}, {16.3, 8}, {18.8, 10.5}, {18.8, 12}, {10.7, 12}});
    std::vector<IconLayer> layers = {
        rect(0, 0, 32, 19, Cyan), // sky
        rect(0, 19, 32, 13, Blue), // sea
        // two clouds
        rect(27, 1, 2, 1, White), rect(25, 2, 6, 1, White), rect(27, 3, 3, 1, White),
        rect(4, 7, 3, 1, White), rect(2, 8, 6, 1, White), rect(3, 9, 3, 1, White),
        // mast and yard
        rect(15, 3, 1, 5, Black), rect(13, 5, 5, 1, Black),
        {deckhouse, Colour(LightGrey), Colour(Black), 1},
        // the guns fore and aft, the forward turret with its port
        rect(6, 12, 5, 1, Black), rect(4, 13, 6, 1, Black), rect(8, 13, 1, 1, DarkGrey), rect(26, 13, 4, 1, Black),
        // the funnel, open where it stands in the deckhouse
        {IconShape::Rect(21, 8, 3, 5), Colour(DarkGrey), Colour(Black), 1, QRectF(0, 0, Grid, 12)},
        {bridge, Colour(LightGrey), Colour(Black), 1},
        rect(13, 11, 1, 1, Navy), rect(15, 11, 1, 1, Navy), // the bridge's windows
        rect(17, 11, 1, 1, Navy),
    };
    const int hullLayer = int(layers.size());
    layers.insert(layers.end(), {
        {hull, Colour(DarkGrey)},
        // the deck and the red boot topping along the waterline, inside the hull's outline
        {IconShape::Rect(0, 15, 32, 1), Colour(LightGrey), std::nullopt, 0, std::nullopt, hullLayer},
        {IconShape::Rect(0, 18, 32, 1), Colour(DarkRed), std::nullopt, 0, std::nullopt, hullLayer},
        {hull, std::nullopt, Colour(Black), 1},
        // the sea's swell and crests
        rect(1, 21, 3, 1, Navy), rect(4, 22, 2, 1, Navy), rect(27, 21, 3, 1, Navy), rect(29, 22, 2, 1, Navy),
        rect(3, 25, 2, 1, Navy), rect(5, 26, 2, 1, Navy), rect(29, 28, 2, 1, Navy), rect(27, 29, 2, 1, Navy),
        Wave(20, 22, Navy), Wave(7, 24, Navy), Wave(16, 27, Navy), Wave(1, 29, Navy),
        Wave(11, 21, White), Wave(24, 25, White),
    });
    return layers;
}

// At 16 pixels a hand-drawn picture says more than the shapes can: the superstructure and the red boot
// topping keep their colours. Each letter is the palette entry at its position in ColourKey (k black,
// r dark red, n navy, l light grey, d dark grey, B blue, C cyan, w white).
inline constexpr std::string_view ColourKey = "krgynmcldRGYBMCw";
inline constexpr std::array<std::string_view, 16> SmallArt = {
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

} // namespace IconGeometry
