#pragma once

#include <QImage>
#include <QWidget>

#include <cmath>
#include <ostream>

// A zoom and a display scale to show a control at, named for the test's name.
struct Enlargement {
    double zoom;
    double pixelRatio;
    const char* name;
};

inline void PrintTo(const Enlargement& enlargement, std::ostream* out) { *out << enlargement.name; }

// A control as the screen shows it once the window has given it the size of its layout times the
// zoom, at the given display scale.
inline QImage Enlarged(QWidget& control, QSize layoutSize, double zoom, double pixelRatio)
{
    control.resize(static_cast<int>(std::lround(layoutSize.width() * zoom)),
        static_cast<int>(std::lround(layoutSize.height() * zoom)));
    QImage shown(control.size() * pixelRatio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(pixelRatio);
    control.render(&shown);
    return shown;
}

// Of the 2 x 2 squares from the top-left of the area, those whose pixels differ: an image of half
// the size enlarged by doubling its pixels has none.
inline int UnevenSquares(const QImage& image, const QRect& area)
{
    int uneven = 0;
    for (int y = area.top(); y + 1 <= area.bottom(); y += 2)
        for (int x = area.left(); x + 1 <= area.right(); x += 2) {
            const QRgb first = image.pixel(x, y);
            uneven += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first
                || image.pixel(x + 1, y + 1) != first;
        }
    return uneven;
}
