#include "toolkit/Colours.h"

#include <QApplication>
#include <QPalette>

namespace palettra::toolkit {

common::ColourValue Resolve(const LayoutColour& colour)
{
    const QPalette palette = QApplication::palette();
    switch (colour.system) {
    case SystemColour::WindowBackground:
        return FromQRgb(palette.color(QPalette::Base).rgb());
    case SystemColour::WindowText:
        return FromQRgb(palette.color(QPalette::WindowText).rgb());
    case SystemColour::ButtonFace:
        return FromQRgb(palette.color(QPalette::Button).rgb());
    case SystemColour::None:
        break;
    }
    return colour.value;
}

} // namespace palettra::toolkit
