#include "forms/Form5/Form5.h"

#include "common/ColourValue.h"
#include "layouts/Layouts.h"

namespace palettra {

using namespace common;

Form5::Form5()
    : Window(Form5Layout)
{
}

void Form5::BindEvents()
{
    Command1().OnClick([this] { Command1_Click(); });
    HScroll1().OnChange([this] { HScroll1_Change(); });
    HScroll2().OnChange([this] { HScroll2_Change(); });
    HScroll3().OnChange([this] { HScroll3_Change(); });
}

// Every run paints the same shapes in the same places, so nothing of the previous colour survives without a clear.
void Form5::Command1_Click()
{
    Picture1().Scale(-100, 100, 100, -100);
    Picture1().SetDrawWidth(5);
    const Int16 r = Mul16(10, HScroll1().Value());
    const Int16 g = Mul16(10, HScroll2().Value());
    const Int16 b = Mul16(10, HScroll3().Value());
    DrawLiquid(r, g, b);
    ClearUpperHalf();
    DrawOutline();
    DrawNeck();
}

void Form5::HScroll1_Change() { Command1().SetValue(true); }
void Form5::HScroll2_Change() { Command1().SetValue(true); }
void Form5::HScroll3_Change() { Command1().SetValue(true); }

// One unit is well under the pen's width, so the rings merge into a solid disc.
void Form5::DrawLiquid(Int16 r, Int16 g, Int16 b)
{
    for (Int16 i = 1; i <= 50; ++i)
        Picture1().Circle(0, 0, i, RGB(r, g, b));
}

void Form5::ClearUpperHalf()
{
    for (Int16 j = 0; j <= 50; ++j)
        Picture1().Line(-50, j, 50, j, RGB(255, 255, 255));
}

// From 108° round the bottom to 72°, open at the top where the neck joins.
void Form5::DrawOutline()
{
    const double p = 3.14159265;
    Picture1().Circle(0, 0, 50, RGB(0, 0, 0), ToSingle(0.6 * p), ToSingle(p * 0.4));
}

void Form5::DrawNeck()
{
    Picture1().Line(-15, 90, -15, 48);
    Picture1().Line(15, 90, 15, 48);
}

} // namespace palettra
