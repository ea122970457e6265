#pragma once

namespace palettra::tests {

// Of the scan's sample points, 0..426 by 0..750, the ones that fall on a pixel of the key colour
// (0, 0, 254) in the stored picture as decoded: counted outside the program, with the units mapped
// to pixels in whole numbers.
inline constexpr int ApparatusKeyPoints = 27386;

} // namespace palettra::tests
