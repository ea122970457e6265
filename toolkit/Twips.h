#pragma once

#include <cmath>

namespace palettra::toolkit {

// Layouts are in twips; the screen works in logical pixels at 96 dots per inch.
constexpr int TwipsPerPixel = 15;

inline int Pixels(int twips) { return static_cast<int>(std::lround(twips / double { TwipsPerPixel })); }

// Font sizes are given in points; pixel sizes keep the layout independent of the screen's DPI.
inline int FontPixels(double points) { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

} // namespace palettra::toolkit
