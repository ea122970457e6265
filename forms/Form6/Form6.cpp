#include "forms/Form6/Form6.h"

#include "layouts/Layouts.h"

#include <cstring>

namespace palettra {

using namespace common;

namespace {

    // The sample loops run through whole units as long as they do not pass the extent.
    Int32 LastSample(float extent) { return ToInt32(IntPart(extent)); }

} // namespace

Form6::Grid::Grid(Int32 lastX, Int32 lastY)
    : rows_(static_cast<std::size_t>(lastY) + 1)
    , cells_((static_cast<std::size_t>(lastX) + 1) * rows_, Cell::Empty)
{
}

int Form6::Grid::NextKey(int x, int from) const
{
    const auto* column = reinterpret_cast<const unsigned char*>(cells_.data() + Index(x, 0));
    const auto rows = static_cast<int>(rows_);
    if (from >= rows)
        return rows;
    if (column[from] == static_cast<unsigned char>(Cell::Key))
        return from; // key points come in runs down the liquid
    const void* key = std::memchr(column + from, static_cast<int>(Cell::Key), static_cast<std::size_t>(rows - from));
    return key ? static_cast<int>(static_cast<const unsigned char*>(key) - column) : rows;
}

Form6::Form6()
    : Window(Form6Layout)
{
}

void Form6::BindEvents()
{
    Command1().OnClick([this] { Command1_Click(); });
    Command2().OnClick([this] { Command2_Click(); });
    Command1().OnClickTell([this] { return ScanText(); });
    Command2().OnClickTell([this] { return ChangeOutcome(); });
}

void Form6::Command1_Click()
{
    auto& picture = Picture1();
    picture.SetScaleWidth(ToSingle(picture.Width() / 10.0));
    picture.SetScaleHeight(ToSingle(picture.Height() / 10.0));
    const float width = picture.ScaleWidth();
    const float height = picture.ScaleHeight();
    ScanWidth = width;
    ScanHeight = height;
    KeyMask = Grid(ToInt32(width), ToInt32(height));
    const Int32 lastX = LastSample(width);
    const Int32 lastY = LastSample(height);
    for (Int32 x = 0; x <= lastX; ++x)
        for (Int32 y = 0; y <= lastY; ++y)
            if (picture.Point(static_cast<float>(x), static_cast<float>(y)) == KeyColour)
                KeyMask.Record(x, y);
}

void Form6::Command2_Click()
{
    if (!ScanWidth)
        return;
    const Int16 red = Mul16(10, HScroll1().Value());
    const Int16 green = Mul16(10, HScroll2().Value());
    const Int16 blue = Mul16(10, HScroll3().Value());
    const ColourValue colour = RGB(red, green, blue);
    const float width = *ScanWidth;
    const float height = *ScanHeight;
    auto& picture = Picture1();
    // A reopened window shows the picture in twips again; the recorded points are in the scan's units.
    picture.SetScaleWidth(width);
    picture.SetScaleHeight(height);
    const Int32 lastX = LastSample(width);
    const Int32 lastY = LastSample(height);
    for (Int32 x = 0; x <= lastX; ++x)
        for (Int32 y = KeyMask.NextKey(x, 0); y <= lastY; y = KeyMask.NextKey(x, y + 1))
            picture.PSet(static_cast<float>(x), static_cast<float>(y), colour);
}

} // namespace palettra
