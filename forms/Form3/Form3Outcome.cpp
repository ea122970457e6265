#include "forms/Form3/Form3.h"

#include "common/ColourText.h"
#include "common/Text.h"

#include <algorithm>

namespace palettra {

using namespace common;

std::string Form3::SwatchOutcome(const std::string& colour, toolkit::PictureBox& swatch) const
{
    return colour + ColourText(swatch.BackColor(), Language());
}

std::string Form3::BoundaryText() const
{
    return Language().Say("境界 (boundary) {row}", { { "row", DecimalText(VScroll1().Value()) } });
}

// The colours as the strip shows them, pixel rows and all: the row at the boundary shares its
// pixel row with the rows just below it, and a pupil hears what a sighted one sees. Row 10000
// lies below the last pixel row, so a boundary there is read on the last row.
std::string Form3::StripText() const
{
    auto& strip = Picture1();
    const float top = strip.ScaleTop();
    const float last = top + strip.ScaleHeight() - 1;
    return Language().Say("上端 (top) {top}、境界で (at the boundary) {boundary}、下端 (bottom) {bottom}",
        { { "top", ColourText(strip.Point(0.5f, top), Language()) },
            { "boundary", ColourText(strip.Point(0.5f, std::min<float>(VScroll1().Value(), last)), Language()) },
            { "bottom", ColourText(strip.Point(0.5f, last), Language()) } });
}

std::string Form3::OverlapOutcome() const
{
    return Language().Say("{boundary}、重なり (overlap) {overlap}％、{strip}",
        { { "boundary", BoundaryText() }, { "overlap", DecimalText(HScroll7().Value()) }, { "strip", StripText() } });
}

std::string Form3::SetOutcome(toolkit::PictureBox& painted) const
{
    return Language().Say("塗った色 (painted) {painted}、中間色 (mid colour) {mid}",
        { { "painted", ColourText(painted.BackColor(), Language()) },
            { "mid", ColourText(Picture4().BackColor(), Language()) } });
}

std::string Form3::SetReadyText(const std::string& colour, toolkit::PictureBox& swatch) const
{
    return Language().Say("{swatch}、中間色 (mid colour) {mid}",
        { { "swatch", SwatchOutcome(colour, swatch) }, { "mid", ColourText(Picture4().BackColor(), Language()) } });
}

void Form3::BindOutcomes()
{
    // Looked up as they are told, so that a window switched to another language tells them in it.
    const auto a = [this] { return Language().Say("色 A (colour A) "); };
    const auto b = [this] { return Language().Say("色 B (colour B) "); };
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this, a] { return SwatchOutcome(a(), Picture2()); });
    for (auto* bar : { &HScroll4(), &HScroll5(), &HScroll6() })
        Tell(*bar, [this, b] { return SwatchOutcome(b(), Picture3()); });
    Tell(HScroll7(), [this] { return OverlapOutcome(); });
    Tell(VScroll1(), [this] { return OverlapOutcome(); });
    // What a press painted is no longer true once a bar has moved; between presses the button tells
    // what it would paint.
    const auto paintedA = [this] { return SetOutcome(Picture2()); };
    const auto paintedB = [this] { return SetOutcome(Picture3()); };
    const auto readyA = [this, a] { return SetReadyText(a(), Picture2()); };
    const auto readyB = [this, b] { return SetReadyText(b(), Picture3()); };
    Tell(Command1(), paintedA, readyA);
    Tell(Command2(), paintedB, readyB);
    Tell(Command3(), [this] { return BoundaryText(); });
    Tell(Picture1(), [this] { return StripText(); });
    for (auto* swatch : { &Picture2(), &Picture3(), &Picture4() })
        Tell(*swatch, toolkit::BackColourOf(*swatch));
}

} // namespace palettra
