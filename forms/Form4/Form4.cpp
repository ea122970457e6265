#include "forms/Form4/Form4.h"

#include "common/ColourValue.h"
#include "layouts/Layouts.h"

namespace palettra {

using namespace common;

namespace {

    constexpr Int16 Squares = 5000;

    Int16 Channel(const toolkit::ScrollBar& bar) { return Mul16(bar.Value(), 10); }

    // One channel from the inner value n to the outer value o: v = n + (o − n) × t. Equal ends need
    // no case of their own: (o − n) × t is then exactly 0 and v is n. Both terms are whole numbers,
    // so they are taken to double once, not on every square.
    class ChannelRamp {
    public:
        ChannelRamp(Int16 outer, Int16 inner)
            : inner_(inner)
            , difference_(Sub16(outer, inner))
        {
        }
        Int16 At(double t) const { return ToInt16(inner_ + difference_ * t); }

    private:
        double inner_;
        double difference_;
    };

} // namespace

Form4::Form4()
    : Window(Form4Layout)
{
}

void Form4::BindEvents()
{
    HScroll1().OnChange([this] { HScroll1_Change(); });
    HScroll2().OnChange([this] { HScroll2_Change(); });
    HScroll3().OnChange([this] { HScroll3_Change(); });
    HScroll4().OnChange([this] { HScroll4_Change(); });
    HScroll5().OnChange([this] { HScroll5_Change(); });
    HScroll6().OnChange([this] { HScroll6_Change(); });
}

void Form4::HScroll1_Change() { ShowOuterColour(); }
void Form4::HScroll2_Change() { ShowOuterColour(); }
void Form4::HScroll3_Change() { ShowOuterColour(); }
void Form4::HScroll4_Change() { ShowInnerColour(); }
void Form4::HScroll5_Change() { ShowInnerColour(); }
void Form4::HScroll6_Change() { ShowInnerColour(); }

void Form4::ShowOuterColour() { ShowColour(HScroll1(), HScroll2(), HScroll3(), Picture2()); }
void Form4::ShowInnerColour() { ShowColour(HScroll4(), HScroll5(), HScroll6(), Picture3()); }

void Form4::ShowColour(const toolkit::ScrollBar& redBar, const toolkit::ScrollBar& greenBar,
    const toolkit::ScrollBar& blueBar, toolkit::PictureBox& swatch)
{
    const Int16 red = Channel(redBar);
    const Int16 green = Channel(greenBar);
    const Int16 blue = Channel(blueBar);
    swatch.SetBackColor(RGB(red, green, blue));
    DrawGradient();
}

void Form4::DrawGradient()
{
    const Int16 outerRed = Channel(HScroll1());
    const Int16 innerRed = Channel(HScroll4());
    const Int16 outerGreen = Channel(HScroll2());
    const Int16 innerGreen = Channel(HScroll5());
    const Int16 outerBlue = Channel(HScroll3());
    const Int16 innerBlue = Channel(HScroll6());
    auto& canvas = Picture1();
    canvas.Scale(-5000, 5000, 5000, -5000);
    canvas.PSet(0, 0, RGB(innerRed, innerGreen, innerBlue));
    const ChannelRamp red(outerRed, innerRed);
    const ChannelRamp green(outerGreen, innerGreen);
    const ChannelRamp blue(outerBlue, innerBlue);
    for (Int16 i = 1; i <= Squares; ++i) {
        const double t = i / static_cast<double>(Squares);
        const ColourValue colour = RGB(red.At(t), green.At(t), blue.At(t));
        const float half = ToSingle(i);
        const float minusHalf = ToSingle(-i);
        canvas.Line(half, half, half, minusHalf, colour);
        canvas.Line(half, minusHalf, minusHalf, minusHalf, colour);
        canvas.Line(minusHalf, minusHalf, minusHalf, half, colour);
        canvas.Line(minusHalf, half, half, half, colour);
    }
}

} // namespace palettra
