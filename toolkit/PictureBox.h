#pragma once

#include "toolkit/Description.h"
#include "toolkit/PictureModel.h"
#include "toolkit/Window.h"

#include <QWidget>

namespace palettra::toolkit {

// A picture box: a two-pixel sunken border around the picture the forms draw on. The drawing
// itself belongs to the model, at the layout's pixel size; the box only shows it, scaled to
// whatever size the window gives the widget, at the screen's own resolution.
class PictureBox : public QWidget {
public:
    static constexpr int Border = 2;

    PictureBox(Window& owner, const ControlLayout& layout);

    // Outer size in twips.
    int Width() const { return outerWidth_; }
    int Height() const { return outerHeight_; }

    common::ColourValue BackColor() const { return model_.BackColor(); }
    void SetBackColor(common::ColourValue colour) { model_.SetBackColor(colour); }
    common::ColourValue ForeColor() const { return model_.ForeColor(); }
    void SetForeColor(common::ColourValue colour) { model_.SetForeColor(colour); }
    int DrawWidth() const { return model_.DrawWidth(); }
    void SetDrawWidth(int pixels) { model_.SetDrawWidth(pixels); }

    float ScaleLeft() const { return model_.ScaleLeft(); }
    float ScaleTop() const { return model_.ScaleTop(); }
    float ScaleWidth() const { return model_.ScaleWidth(); }
    float ScaleHeight() const { return model_.ScaleHeight(); }
    void SetScaleLeft(float left) { model_.SetScaleLeft(left); }
    void SetScaleTop(float top) { model_.SetScaleTop(top); }
    void SetScaleWidth(float width) { model_.SetScaleWidth(width); }
    void SetScaleHeight(float height) { model_.SetScaleHeight(height); }
    void Scale(float x1, float y1, float x2, float y2) { model_.Scale(x1, y1, x2, y2); }

    void Line(float x1, float y1, float x2, float y2) { model_.Line(x1, y1, x2, y2); }
    void Line(float x1, float y1, float x2, float y2, common::ColourValue colour)
    {
        model_.Line(x1, y1, x2, y2, colour);
    }
    void PSet(float x, float y, common::ColourValue colour) { model_.PSet(x, y, colour); }
    common::ColourValue Point(float x, float y) { return model_.Point(x, y); }
    void Circle(float x, float y, float radius, common::ColourValue colour) { model_.Circle(x, y, radius, colour); }
    void Circle(float x, float y, float radius, common::ColourValue colour, float start, float end)
    {
        model_.Circle(x, y, radius, colour, start, end);
    }
    std::vector<common::Int16> VisibleRows(common::Int16 first, common::Int16 last) const
    {
        return model_.VisibleRows(first, last);
    }

    QImage Snapshot() { return model_.Snapshot(); }
    // Writes out every run still waiting; the window calls it when a handler returns, so that
    // no drawing outlives the event that made it.
    void FinishDrawing() { model_.Flush(); }

    const PictureModel& Model() const { return model_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Device pixels per model pixel, across and down, at the widget's size, from the painter's
    // mapping of the widget's pixels to the device's.
    QSizeF DeviceScale(const QTransform& toDevice) const;
    bool Smooth(QSizeF deviceScale) const;
    QRect Inside() const; // in the layout's pixels
    // The whole box at the device's size, with the recorded figure drawn again at that resolution.
    const QImage& Replayed(const FigureRecord& figure, QSizeF deviceScale);

    int outerWidth_;
    int outerHeight_;
    QSize outerPixels_; // at the layout's size
    bool storedPicture_;
    PictureModel model_;
    QImage replayed_;
    bool replayedStale_ = true;
};

// What a swatch shows, for its description: its colour in figures and in a word.
Outcome BackColourOf(const PictureBox& swatch);

} // namespace palettra::toolkit
