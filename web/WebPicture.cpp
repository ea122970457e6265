#include "web/WebPicture.h"

#include "toolkit/layout/Twips.h"
#include "web/Css.h"

#include <emscripten/val.h>

namespace palettra::web {

using namespace toolkit;

namespace {

    emscripten::val Bevels(const PictureBox& picture)
    {
        emscripten::val bevels = emscripten::val::array();
        for (const Bevel& bevel : picture.Bevels())
            bevels.call<void>(
                "push", Props().Set("topLeft", Css(bevel.topLeft)).Set("bottomRight", Css(bevel.bottomRight)).Object());
        return bevels;
    }

    Props PictureProps(const PictureBox& picture)
    {
        // Its size at 100 % tells the page how many device pixels a layout pixel takes at any zoom.
        return std::move(Props()
                             .Set("kind", std::string("picture"))
                             .Set("width", Pixels(picture.Width()))
                             .Set("height", Pixels(picture.Height()))
                             .Set("bevels", Bevels(picture))
                             .Set("alwaysSmoothed", picture.AlwaysSmoothed()));
    }

    // 0xFFRRGGBB is, in memory, blue, green, red, alpha; a canvas reads red first.
    void ToCanvasBytes(const PixelBuffer& pixels, std::vector<std::uint32_t>& bytes)
    {
        const std::size_t count = static_cast<std::size_t>(pixels.Width()) * static_cast<std::size_t>(pixels.Height());
        bytes.resize(count);
        const Pixel* from = pixels.Data();
        for (std::size_t i = 0; i < count; ++i)
            bytes[i] = (__builtin_bswap32(from[i]) >> 8) | 0xFF000000u;
    }

    enum class Call { Fill, Line, Circle, Arc };

    // Nine numbers a call, the page's form of a figure: what it is, x, y, then width and height (the
    // other end of a line), start and sweep of an arc, the pen and the colour as 0xRRGGBB.
    void Append(std::vector<double>& figure, Call call, const RectF& box, const Stroke& stroke)
    {
        figure.insert(figure.end(),
            { static_cast<double>(call), box.left, box.top, box.width, box.height, static_cast<double>(stroke.Start()),
                static_cast<double>(stroke.Sweep()), static_cast<double>(stroke.Width()),
                static_cast<double>(stroke.Colour() & 0xFFFFFF) });
    }

    void ToFigureNumbers(const FigureRecord& record, Size size, std::vector<double>& figure)
    {
        figure.clear();
        Append(figure, Call::Fill, { 0, 0, static_cast<double>(size.width), static_cast<double>(size.height) },
            Stroke::Fill({ 0, 0, size.width, size.height }, record.Background()));
        for (const Stroke& stroke : record.Strokes()) {
            switch (stroke.Kind()) {
            case Stroke::Shape::Fill:
                Append(figure, Call::Fill, stroke.Box(), stroke);
                break;
            case Stroke::Shape::Line: {
                const LineF& line = stroke.Segment();
                Append(figure, Call::Line, { line.from.x, line.from.y, line.to.x, line.to.y }, stroke);
                break;
            }
            case Stroke::Shape::Circle:
                Append(figure, Call::Circle, stroke.Box(), stroke);
                break;
            case Stroke::Shape::Arc:
                Append(figure, Call::Arc, stroke.Box(), stroke);
                break;
            }
        }
    }

} // namespace

WebPicture::WebPicture(WebFace& face, PictureBox& picture)
    : WebControl(face, picture, PictureProps(picture))
    , picture_(picture)
{
    // Its first picture is the model as it was made: filled, with its stored picture if any.
    face.ShowLater(*this);
}

void WebPicture::Show()
{
    PictureModel& model = picture_.Model();
    model.TakeChange();
    const PixelBuffer& image = model.Image();
    ToCanvasBytes(image, bytes_);
    const FigureRecord* record = model.Figure();
    emscripten::val figure = emscripten::val::null();
    if (record && record->Complete()) {
        ToFigureNumbers(*record, { image.Width(), image.Height() }, figure_);
        figure = View(figure_.data(), figure_.size());
    }
    const auto* rgba = reinterpret_cast<const std::uint8_t*>(bytes_.data());
    Call("showPixels", image.Width(), image.Height(), View(rgba, bytes_.size() * sizeof(std::uint32_t)), figure);
}

} // namespace palettra::web
