#include "forms/Form5/Form5.h"

#include "common/ColourText.h"

namespace palettra {

using namespace common;

std::string Form5::LiquidText() const
{
    const ColourValue liquid
        = RGB(Mul16(10, HScroll1().Value()), Mul16(10, HScroll2().Value()), Mul16(10, HScroll3().Value()));
    return Language().Say("液体 (liquid) {colour}", { { "colour", ColourText(liquid, Language()) } });
}

// The flask stays empty until the first drawing, whose figure it keeps as the calls that drew it; every
// bar draws again, so from then on the liquid is the bars' colour.
std::string Form5::FlaskText() const
{
    const toolkit::FigureRecord* figure = Picture1().Model().Figure();
    return figure && figure->Size() > 0 ? LiquidText() : "";
}

// The bars press "Draw", so all four tell the same.
void Form5::BindOutcomes()
{
    const auto liquid = [this] { return LiquidText(); };
    Tell(Command1(), liquid);
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, liquid);
    Tell(Picture1(), [this] { return FlaskText(); });
}

} // namespace palettra
