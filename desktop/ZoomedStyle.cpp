#include "desktop/ZoomedStyle.h"

#include <QApplication>
#include <QImage>
#include <QStyleFactory>
#include <QStyleOptionSlider>

#include <cmath>

namespace palettra::desktop {

namespace {

    constexpr double InchesPerMetre = 1 / 0.0254;

    // The option's font as on a screen of factor times its dots per inch.
    QFontMetrics AtDensity(const QStyleOption& option, const QWidget* widget, double factor)
    {
        const int dotsPerMetre = static_cast<int>(std::lround(option.fontMetrics.fontDpi() * factor * InchesPerMetre));
        QImage device(1, 1, QImage::Format_Mono);
        device.setDotsPerMeterX(dotsPerMetre);
        device.setDotsPerMeterY(dotsPerMetre);
        return QFontMetrics(widget ? widget->font() : QApplication::font(), &device);
    }

} // namespace

// A proxy without a base of its own would take the desktop's style, not the one the program set.
ZoomedStyle::ZoomedStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

// The base style would scale these by the resolution of the option's font too, which carries the
// zoom while a zoomed bar is drawn; asked without it, the zoom applies once.
int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric != PM_ScrollBarExtent && metric != PM_ScrollBarSliderMin)
        return QProxyStyle::pixelMetric(metric, option, widget);
    return static_cast<int>(std::lround(QProxyStyle::pixelMetric(metric, nullptr, widget) * zoom_));
}

// The base style sizes a bar's arrows by the resolution of the option's font, not by their buttons;
// a bar zoomed by z is drawn as on a screen of z times the dots per inch, so its arrows keep their
// share of the enlarged buttons.
void ZoomedStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || zoom_ == 1) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionSlider zoomed(*bar);
    zoomed.fontMetrics = AtDensity(*bar, widget, zoom_);
    QProxyStyle::drawComplexControl(control, &zoomed, painter, widget);
}

} // namespace palettra::desktop
