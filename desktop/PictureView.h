#pragma once

#include "toolkit/controls/PictureBox.h"

#include <QImage>
#include <QWidget>

namespace palettra::desktop {

// A picture box on the desktop: the model's picture inside its sunken border, scaled to whatever
// size the window gives the widget, at the screen's own resolution.
class PictureView : public QWidget, public toolkit::PicturePeer {
public:
    PictureView(toolkit::PictureBox& picture, QWidget& window);

    void ShowChange() override { update(); }
    void Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach&) override;
    void Describe(const std::string& description) override;
    void Rename(const std::string& name) override { setAccessibleName(QString::fromStdString(name)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Device pixels per model pixel, across and down, at the widget's size, from the painter's
    // mapping of the widget's pixels to the device's.
    QSizeF DeviceScale(const QTransform& toDevice) const;
    bool Smooth(QSizeF deviceScale) const;
    QRect Inside() const; // in the layout's pixels
    // The whole box at the device's size, with the recorded figure drawn again at that resolution.
    const QImage& Replayed(const toolkit::FigureRecord& figure, QSizeF deviceScale);

    toolkit::PictureBox& picture_;
    QSize outerPixels_; // at the layout's size
    QImage replayed_;
    bool replayedStale_ = true;
};

} // namespace palettra::desktop
