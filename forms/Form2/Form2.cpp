#include "forms/Form2/Form2.h"

#include "common/ColourValue.h"
#include "common/Text.h"
#include "layouts/Layouts.h"

namespace palettra {

using namespace common;

Form2::Form2()
    : Window(Form2Layout)
{
}

void Form2::BindEvents()
{
    HScroll1().OnChange([this] { HScroll1_Change(); });
    HScroll2().OnChange([this] { HScroll2_Change(); });
    HScroll3().OnChange([this] { HScroll3_Change(); });
}

void Form2::HScroll1_Change() { UpdateColour(); }
void Form2::HScroll2_Change() { UpdateColour(); }
void Form2::HScroll3_Change() { UpdateColour(); }

void Form2::UpdateColour()
{
    const Int16 r = HScroll1().Value();
    const Int16 g = HScroll2().Value();
    const Int16 b = HScroll3().Value();
    Picture1().SetBackColor(RGB(r, g, b));
    Label2().SetCaption("RGB = (" + DecimalText(r) + "," + DecimalText(g) + "," + DecimalText(b) + ")");
    Label4().SetCaption(HexText(r) + HexText(g) + HexText(b));
}

} // namespace palettra
