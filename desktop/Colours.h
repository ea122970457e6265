#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/SystemColours.h"
#include "toolkit/picture/Pixels.h"

#include <QColor>

namespace palettra::desktop {

// ColourValue (0x00BBGGRR) as Qt's colour, through the pixel that shares Qt's 0xAARRGGBB.
inline QColor ToQColor(common::ColourValue colour) { return QColor(toolkit::ToPixel(colour)); }

} // namespace palettra::desktop
