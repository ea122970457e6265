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

void Form3::DescribePictures()
{
    toolkit::DescribeContent(Picture1(), StripText());
    toolkit::DescribeBackColour(Picture2());
    toolkit::DescribeBackColour(Picture3());
    toolkit::DescribeBackColour(Picture4());
}

} // namespace palettra
