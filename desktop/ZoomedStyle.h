#pragma once

#include <QProxyStyle>

namespace palettra::desktop {

// The application's style with the sizes it keeps fixed in pixels, such as a scroll bar's arrow
// buttons, its shortest thumb and the arrows in its buttons, enlarged by a window's zoom. At zoom 1
// it is the style itself.
class ZoomedStyle : public QProxyStyle {
public:
    ZoomedStyle();

    void SetZoom(double zoom) { zoom_ = zoom; }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
        const QWidget* widget) const override;

private:
    double zoom_ = 1;
};

} // namespace palettra::desktop
