#pragma once

#include <cmath>

namespace palettra::toolkit {

// Layouts are in twips; the screen works in logical pixels at 96 dots per inch.
constexpr int TwipsPerPixel = 15;
constexpr int TwipsPerPoint = 20;

// Every place, size, line width and font size on screen comes from the layout through here,
// so that a window at any zoom is its layout enlarged, and at zoom 1 exactly its layout.
inline double Logical(double twips, double zoom = 1) { return twips * zoom / TwipsPerPixel; }

inline int Pixels(int twips, double zoom = 1) { return static_cast<int>(std::lround(Logical(twips, zoom))); }

// Font sizes are given in points; pixel sizes keep the layout independent of the screen's DPI.
inline int FontPixels(double points, double zoom = 1)
{
    return static_cast<int>(std::lround(Logical(points * TwipsPerPoint, zoom)));
}

} // namespace palettra::toolkit
