#include "forms/Form5/Form5.h"

#include "common/ColourText.h"

namespace palettra {

using namespace common;

std::string Form5::LiquidText() const
{
    const ColourValue liquid
        = RGB(Mul16(10, HScroll1().Value()), Mul16(10, HScroll2().Value()), Mul16(10, HScroll3().Value()));
    return "液体 (liquid) " + ColourText(liquid);
}

// The flask is empty until the first drawing, so it is described here, after each one, and not
// after every handler: no point is read off it, and its figure need not be kept as pixels.
std::string Form5::LiquidOutcome()
{
    const std::string liquid = LiquidText();
    toolkit::DescribeContent(Picture1(), liquid);
    return liquid;
}

} // namespace palettra
