#include "forms/Form4/Form4.h"

#include "common/ColourText.h"

namespace palettra {

using namespace common;

// Read off the canvas through its own scale, so that before the first drawing it tells the blank canvas.
std::string Form4::GradientText() const
{
    auto& canvas = Picture1();
    const float left = canvas.ScaleLeft();
    const float top = canvas.ScaleTop();
    const ColourValue centre = canvas.Point(left + canvas.ScaleWidth() / 2, top + canvas.ScaleHeight() / 2);
    return Language().Say("中心 (centre) {centre}、縁 (border) {border}",
        { { "centre", ColourText(centre, Language()) },
            { "border", ColourText(canvas.Point(left, top), Language()) } });
}

std::string Form4::SwatchOutcome(const std::string& colour, toolkit::PictureBox& swatch) const
{
    return Language().Say("{swatch}、{gradient}",
        { { "swatch", colour + ColourText(swatch.BackColor(), Language()) }, { "gradient", GradientText() } });
}

void Form4::BindOutcomes()
{
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this] { return SwatchOutcome(Language().Say("外部の色 (outer colour) "), Picture2()); });
    for (auto* bar : { &HScroll4(), &HScroll5(), &HScroll6() })
        Tell(*bar, [this] { return SwatchOutcome(Language().Say("内部の色 (inner colour) "), Picture3()); });
    Tell(Picture1(), [this] { return GradientText(); });
    Tell(Picture2(), toolkit::BackColourOf(Picture2()));
    Tell(Picture3(), toolkit::BackColourOf(Picture3()));
}

} // namespace palettra
