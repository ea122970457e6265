#include "forms/Form6/Form6.h"

#include "layouts/Layouts.h"

namespace palettra {

using namespace common;

namespace {

    // The sample loops run through whole units as long as they do not pass the extent.
    Int32 LastSample(float extent) { return ToInt32(IntPart(extent)); }

} // namespace

Form6::Form6()
    : Window(Form6Layout)
{
}

void Form6::BindEvents()
{
    Command1().OnClick([this] { Command1_Click(); });
    Command2().OnClick([this] { Command2_Click(); });
}

void Form6::Command1_Click()
{
    auto& picture = Picture1();
    picture.SetScaleWidth(ToSingle(picture.Width() / 10.0));
    picture.SetScaleHeight(ToSingle(picture.Height() / 10.0));
    const float width = picture.ScaleWidth();
    const float height = picture.ScaleHeight();
    LastScan.Restart(width, height);
    const Int32 lastX = LastSample(width);
    const Int32 lastY = LastSample(height);
    for (Int32 x = 0; x <= lastX; ++x)
        for (Int32 y = 0; y <= lastY; ++y)
            if (picture.Point(static_cast<float>(x), static_cast<float>(y)) == KeyColour)
                LastScan.Record(x, y);
}

void Form6::Command2_Click()
{
    if (!LastScan.Done())
        return;
    const Int16 red = Mul16(10, HScroll1().Value());
    const Int16 green = Mul16(10, HScroll2().Value());
    const Int16 blue = Mul16(10, HScroll3().Value());
    const ColourValue colour = RGB(red, green, blue);
    const float width = LastScan.ScanWidth();
    const float height = LastScan.ScanHeight();
    auto& picture = Picture1();
    // A reopened window shows the picture in twips again; the recorded points are in the scan's units.
    picture.SetScaleWidth(width);
    picture.SetScaleHeight(height);
    const Int32 lastX = LastSample(width);
    const Int32 lastY = LastSample(height);
    for (Int32 x = 0; x <= lastX; ++x)
        for (Int32 y = LastScan.NextKey(x, 0); y <= lastY; y = LastScan.NextKey(x, y + 1))
            picture.PSet(static_cast<float>(x), static_cast<float>(y), colour);
}

} // namespace palettra
