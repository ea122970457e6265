#include "desktop/ZoomedStyle.h"

#include <QApplication>
#include <QStyleFactory>

#include <cmath>

namespace palettra::desktop {

// A proxy without a base of its own would take the desktop's style, not the one the program set.
ZoomedStyle::ZoomedStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_ScrollBarExtent && metric != PM_ScrollBarSliderMin)
        return size;
    return static_cast<int>(std::lround(size * zoom_));
}

} // namespace palettra::desktop
