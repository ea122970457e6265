#pragma once

#include "toolkit/layout/WindowLayout.h"

namespace palettra::toolkit {

// The system colours of the look every face shows (Fusion's standard palette on the desktop), so
// that a layout's colours mean the same on every face and in every picture.
inline constexpr common::ColourValue SystemWindowBackground = 0xFFFFFF;
inline constexpr common::ColourValue SystemWindowText = 0x000000;
inline constexpr common::ColourValue SystemButtonFace = 0xEFEFEF;

constexpr common::ColourValue Resolve(const LayoutColour& colour)
{
    switch (colour.system) {
    case SystemColour::WindowBackground:
        return SystemWindowBackground;
    case SystemColour::WindowText:
        return SystemWindowText;
    case SystemColour::ButtonFace:
        return SystemButtonFace;
    case SystemColour::None:
        break;
    }
    return colour.value;
}

} // namespace palettra::toolkit
