#pragma once

#include "toolkit/layout/WindowLayout.h"

namespace palettra::toolkit {

// Buttons take no font from their rows: every button's caption is set like a label's, in the labels'
// face, at nine points and regular, the font their captions were fitted to. Each face sizes it at a
// window's zoom with FontPixels.
inline constexpr LayoutFont ButtonCaptionFont { .points = 9, .weight = Weight::Regular };

} // namespace palettra::toolkit
