#include "forms/Form3/Form3.h"

#include "common/ColourText.h"
#include "common/Text.h"

#include <algorithm>

namespace palettra {

using namespace common;

std::string Form3::SwatchOutcome(const std::string& colour, toolkit::PictureBox& swatch)
{
    return colour + ColourText(swatch.BackColor());
}

std::string Form3::BoundaryText() const { return "境界 (boundary) " + DecimalText(VScroll1().Value()); }

// The colours as the strip shows them, pixel rows and all: the row at the boundary shares its
// pixel row with the rows just below it, and a pupil hears what a sighted one sees. Row 10000
// lies below the last pixel row, so a boundary there is read on the last row.
std::string Form3::StripText() const
{
    auto& strip = Picture1();
    const float top = strip.ScaleTop();
    const float last = top + strip.ScaleHeight() - 1;
    return "上端 (top) " + ColourText(strip.Point(0.5f, top)) + "、境界で (at the boundary) "
        + ColourText(strip.Point(0.5f, std::min<float>(VScroll1().Value(), last))) + "、下端 (bottom) "
        + ColourText(strip.Point(0.5f, last));
}

std::string Form3::OverlapOutcome() const
{
    return BoundaryText() + "、重なり (overlap) " + DecimalText(HScroll7().Value()) + "％、" + StripText();
}

std::string Form3::SetOutcome(toolkit::PictureBox& painted) const
{
    return "塗った色 (painted) " + ColourText(painted.BackColor()) + "、中間色 (mid colour) "
        + ColourText(Picture4().BackColor());
}

std::string Form3::SetReadyText(const std::string& colour, toolkit::PictureBox& swatch) const
{
    return SwatchOutcome(colour, swatch) + "、中間色 (mid colour) " + ColourText(Picture4().BackColor());
}

void Form3::BindOutcomes()
{
    const std::string a = "色 A (colour A) ";
    const std::string b = "色 B (colour B) ";
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this, a] { return SwatchOutcome(a, Picture2()); });
    for (auto* bar : { &HScroll4(), &HScroll5(), &HScroll6() })
        Tell(*bar, [this, b] { return SwatchOutcome(b, Picture3()); });
    Tell(HScroll7(), [this] { return OverlapOutcome(); });
    Tell(VScroll1(), [this] { return OverlapOutcome(); });
    // What a press painted is no longer true once a bar has moved; between presses the button tells
    // what it would paint.
    const auto paintedA = [this] { return SetOutcome(Picture2()); };
    const auto paintedB = [this] { return SetOutcome(Picture3()); };
    const auto readyA = [this, a] { return SetReadyText(a, Picture2()); };
    const auto readyB = [this, b] { return SetReadyText(b, Picture3()); };
    Tell(Command1(), paintedA, readyA);
    Tell(Command2(), paintedB, readyB);
    Tell(Command3(), [this] { return BoundaryText(); });
    Tell(Picture1(), [this] { return StripText(); });
    for (auto* swatch : { &Picture2(), &Picture3(), &Picture4() })
        Tell(*swatch, toolkit::BackColourOf(*swatch));
}

} // namespace palettra
