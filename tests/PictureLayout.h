#pragma once

#include "toolkit/layout/WindowLayout.h"

// A white picture box of 104 x 104 pixels outside, 100 x 100 inside.
inline palettra::toolkit::ControlLayout BoxLayout(bool drawnAtScreenResolution = false)
{
    using namespace palettra::toolkit;
    return { .kind = Kind::PictureBox,
        .name = "Picture1",
        .left = 300,
        .top = 300,
        .width = 1560,
        .height = 1560,
        .tab = 0,
        .backColor = Fixed(0xFFFFFF),
        .drawnAtScreenResolution = drawnAtScreenResolution };
}
