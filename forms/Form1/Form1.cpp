#include "forms/Form1/Form1.h"

#include "common/ColourValue.h"
#include "common/Text.h"
#include "layouts/Layouts.h"

namespace palettra {

using namespace common;

Form1::Form1()
    : Window(Form1Layout)
{
}

void Form1::BindEvents()
{
    HScroll1().OnChange([this] { HScroll1_Change(); });
}

void Form1::Form_Load()
{
    // Half of 255 rounds to the even 128, one step above what the bar gives at 50 after a change.
    const double red = 127.5;
    const double blue = 127.5;
    Picture1().SetBackColor(RGB(ToInt16(red), 0, ToInt16(blue)));
}

void Form1::HScroll1_Change()
{
    const Int16 v = HScroll1().Value();
    const double t = v / 100.0;
    // Double precision on purpose: at v = 80 the blue share lands just under 51 and keeps 50.
    const double blue = IntPart((1 - t) * 255);
    const double red = IntPart(t * 255);
    Picture1().SetBackColor(RGB(ToInt16(red), 0, ToInt16(blue)));
    Label1().SetCaption(DecimalText(Sub16(100, v)));
    Label2().SetCaption(DecimalText(HScroll1().Value()));
}

} // namespace palettra
