#pragma once

#include "common/ColourValue.h"
#include "toolkit/layout/SystemColours.h"

#include <QColor>
#include <QRgb>
#include <QtEndian>

#include <cstdint>

namespace palettra::toolkit {

// The one place where ColourValue (0x00BBGGRR) meets Qt's 0xAARRGGBB. Both ways are a byte swap
// and a shift, which the compiler does not find in the channel-by-channel form; every line and
// point pays them.
// 0x??BBGGRR swapped is 0xRRGGBB??; shifting out the top byte leaves the channels, made opaque.
inline QRgb ToQRgb(common::ColourValue colour)
{
    return (qbswap(static_cast<std::uint32_t>(colour)) >> 8) | 0xFF000000u;
}

// 0xAARRGGBB swapped is 0xBBGGRRAA; shifting out the alpha leaves 0x00BBGGRR.
inline common::ColourValue FromQRgb(QRgb pixel) { return static_cast<common::ColourValue>(qbswap(pixel) >> 8); }

inline QColor ToQColor(common::ColourValue colour) { return QColor(ToQRgb(colour)); }

} // namespace palettra::toolkit
