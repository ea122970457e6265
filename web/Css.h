#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/SystemColours.h"

#include <cstdio>
#include <string>

namespace palettra::web {

// A layout's colour (0x00BBGGRR) as the page's style writes it, "#rrggbb".
inline std::string Css(common::ColourValue colour)
{
    char text[8];
    std::snprintf(
        text, sizeof text, "#%02x%02x%02x", common::RedOf(colour), common::GreenOf(colour), common::BlueOf(colour));
    return text;
}

inline std::string Css(const toolkit::LayoutColour& colour) { return Css(toolkit::Resolve(colour)); }

} // namespace palettra::web
