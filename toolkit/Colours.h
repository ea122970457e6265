#pragma once

#include "common/ColourValue.h"
#include "toolkit/WindowLayout.h"

#include <QColor>
#include <QRgb>
#include <QtEndian>

namespace palettra::toolkit {

// The one place where ColourValue (0x00BBGGRR) meets Qt's 0xAARRGGBB.
inline QRgb ToQRgb(common::ColourValue colour)
{
    return qRgb(common::RedOf(colour), common::GreenOf(colour), common::BlueOf(colour));
}

// 0xAARRGGBB swapped is 0xBBGGRRAA; shifting out the alpha leaves 0x00BBGGRR. Reading a point
// pays this on every call, and the compiler does not find the swap in the channel-by-channel form.
inline common::ColourValue FromQRgb(QRgb pixel) { return static_cast<common::ColourValue>(qbswap(pixel) >> 8); }

inline QColor ToQColor(common::ColourValue colour) { return QColor(ToQRgb(colour)); }

// System colours are looked up when a control is built, from the application's palette.
common::ColourValue Resolve(const LayoutColour& colour);

} // namespace palettra::toolkit
