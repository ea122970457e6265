#include "forms/Form3/Form3.h"

#include "layouts/Layouts.h"

namespace palettra {

using namespace common;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

    // B's band always runs to the strip's last row as laid out, whatever the scale says.
    constexpr Int16 LastRow = 10000;

    Int16 Channel(const ScrollBar& bar) { return Mul16(10, bar.Value()); }

    void PaintRow(PictureBox& strip, Int16 y, ColourValue colour)
    {
        strip.Line(0, ToSingle(y), 1, ToSingle(y), colour);
    }

    // Only the rows that stay visible are painted: of each pixel row, the last unit row
    // that falls on it, which decides its colour anyway.
    void PaintRows(PictureBox& strip, Int16 first, Int16 last, ColourValue colour, std::vector<Int16>& rows)
    {
        strip.VisibleRows(first, last, rows);
        for (const Int16 y : rows)
            PaintRow(strip, y, colour);
    }

    // Difference, quotient, product, sum, in exactly this order: the quotient is seldom
    // exact, and another order could land a value just beside a half that has to round to even.
    Int16 RampChannel(Int16 from, double mid, Int16 h, Int16 steps)
    {
        return ToInt16(from + ((mid - from) / h) * steps);
    }

} // namespace

Form3::Form3(toolkit::Face& face)
    : Window(Form3Layout, face)
{
}

void Form3::BindEvents()
{
    HScroll1().OnChange([this] { HScroll1_Change(); });
    HScroll2().OnChange([this] { HScroll2_Change(); });
    HScroll3().OnChange([this] { HScroll3_Change(); });
    HScroll4().OnChange([this] { HScroll4_Change(); });
    HScroll5().OnChange([this] { HScroll5_Change(); });
    HScroll6().OnChange([this] { HScroll6_Change(); });
    HScroll7().OnChange([this] { HScroll7_Change(); });
    VScroll1().OnChange([this] { VScroll1_Change(); });
    Command1().OnClick([this] { Command1_Click(); });
    Command2().OnClick([this] { Command2_Click(); });
    Command3().OnClick([this] { Command3_Click(); });
}

Form3::BarColour Form3::ColourA() const { return { Channel(HScroll1()), Channel(HScroll2()), Channel(HScroll3()) }; }
Form3::BarColour Form3::ColourB() const { return { Channel(HScroll4()), Channel(HScroll5()), Channel(HScroll6()) }; }

// The mid colour and the ramps read the bars channel by channel, A before B.
std::pair<Form3::BarColour, Form3::BarColour> Form3::ColoursAB() const
{
    BarColour a {}, b {};
    a.red = Channel(HScroll1());
    b.red = Channel(HScroll4());
    a.green = Channel(HScroll2());
    b.green = Channel(HScroll5());
    a.blue = Channel(HScroll3());
    b.blue = Channel(HScroll6());
    return { a, b };
}

Form3::MidColour Form3::Between(const BarColour& a, const BarColour& b)
{
    return { Add16(a.red, b.red) / 2.0, Add16(a.green, b.green) / 2.0, Add16(a.blue, b.blue) / 2.0 };
}

ColourValue Form3::Ramp(const BarColour& from, const MidColour& mid, Int16 h, Int16 steps)
{
    return RGB(RampChannel(from.red, mid.red, h, steps), RampChannel(from.green, mid.green, h, steps),
        RampChannel(from.blue, mid.blue, h, steps));
}

void Form3::HScroll1_Change()
{
    const BarColour a = ColourA();
    Picture2().SetBackColor(RGB(a.red, a.green, a.blue));
}

void Form3::HScroll2_Change() { HScroll1_Change(); }
void Form3::HScroll3_Change() { HScroll1_Change(); }

void Form3::HScroll4_Change()
{
    const BarColour b = ColourB();
    Picture3().SetBackColor(RGB(b.red, b.green, b.blue));
}

void Form3::HScroll5_Change() { HScroll4_Change(); }
void Form3::HScroll6_Change() { HScroll4_Change(); }

void Form3::Command1_Click()
{
    // With an overlap this raises HScroll7_Change, which repaints both bands before we go on.
    HScroll7().SetValue(0);
    const Int16 s = VScroll1().Value();
    PaintRows(Picture1(), 0, s, Picture2().BackColor(), rows_);
    ShowMidColour();
}

void Form3::Command2_Click()
{
    HScroll7().SetValue(0);
    const Int16 first = Add16(VScroll1().Value(), 1);
    PaintRows(Picture1(), first, LastRow, Picture3().BackColor(), rows_);
    ShowMidColour();
}

void Form3::Command3_Click() { VScroll1().SetValue(5000); }

void Form3::HScroll7_Change() { DrawOverlap(); }
void Form3::VScroll1_Change() { DrawOverlap(); }

void Form3::ShowMidColour()
{
    const auto [a, b] = ColoursAB();
    const MidColour m = Between(a, b);
    Picture4().SetBackColor(RGB(ToInt16(m.red), ToInt16(m.green), ToInt16(m.blue)));
}

void Form3::DrawOverlap()
{
    if (HScroll7().Value() == 0) {
        Command1().SetValue(true);
        Command2().SetValue(true);
    }
    if (HScroll7().Value() <= 0)
        return;

    const auto [a, b] = ColoursAB();
    const MidColour m = Between(a, b);
    const Int16 s = VScroll1().Value();
    const Int16 h = Mul16(50, HScroll7().Value());
    const Int16 top = Sub16(s, h);
    auto& strip = Picture1();

    PaintRows(strip, 0, top, Picture2().BackColor(), rows_);
    strip.VisibleRows(top, s, rows_);
    for (const Int16 y : rows_)
        PaintRow(strip, y, Ramp(a, m, h, Sub16(y, top)));
    const Int16 bottom = Add16(s, h);
    strip.VisibleRows(s, bottom, rows_);
    for (const Int16 y : rows_)
        PaintRow(strip, y, Ramp(b, m, h, Sub16(bottom, y)));
    // The row counter is a 16-bit integer, so the single-precision height rounds into it.
    PaintRows(strip, bottom, ToInt16(strip.ScaleHeight()), Picture3().BackColor(), rows_);
}

} // namespace palettra
