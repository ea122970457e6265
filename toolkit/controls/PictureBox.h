#pragma once

#include "toolkit/controls/Control.h"
#include "toolkit/controls/Peers.h"
#include "toolkit/picture/PictureModel.h"

#include <array>
#include <memory>
#include <vector>

namespace palettra::toolkit {

// One band of a border, a layout pixel wide: its top and left edges in one colour, its bottom and
// right edges in the other.
struct Bevel {
    common::ColourValue topLeft;
    common::ColourValue bottomRight;
};

// A picture box: a two-pixel sunken border around the picture the forms draw on. The drawing
// belongs to the model, at the layout's pixel size; the face shows it at whatever size it has.
class PictureBox : public Control {
public:
    // Lit from the top left, so that the picture lies below the window; the outermost band first.
    static constexpr std::array<Bevel, 2> SunkenBorder { { { 0xA0A0A0, 0xFFFFFF }, { 0x696969, 0xE3E3E3 } } };
    static constexpr int Border = SunkenBorder.size();

    PictureBox(Window& owner, const ControlLayout& layout);

    // Outer size in twips.
    int Width() const { return layout_.width; }
    int Height() const { return layout_.height; }

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
    void VisibleRows(common::Int16 first, common::Int16 last, std::vector<common::Int16>& rows) const
    {
        model_.VisibleRows(first, last, rows);
    }

    // Writes out every run still waiting; the window calls it when a handler returns, so that
    // no drawing outlives the event that made it.
    void FinishDrawing() { model_.Flush(); }
    // A copy of the picture as it stands, drawing included.
    PixelBuffer Snapshot() { return model_.Snapshot(); }

    PictureModel& Model() { return model_; }
    const PictureModel& Model() const { return model_; }
    // The bands of its border, from the outside in, each one layout pixel wide at any scale.
    const std::array<Bevel, Border>& Bevels() const { return SunkenBorder; }
    // Whether a face enlarges its pixels smoothly at every scale: a photo's pixels are no pattern to
    // keep, and blocks would only show. A drawing is enlarged in blocks wherever each of its pixels
    // becomes a whole number of the screen's, so that one-pixel rings and rows stay sharp.
    bool AlwaysSmoothed() const { return !layout_.picture.empty(); }

    PicturePeer& Peer() const override { return *peer_; }

private:
    PictureModel model_;
    std::unique_ptr<PicturePeer> peer_;
};

// A swatch tells its colour and the colour's word.
Outcome BackColourOf(const PictureBox& swatch);

} // namespace palettra::toolkit
