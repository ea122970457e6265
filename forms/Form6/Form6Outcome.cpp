#include "forms/Form6/Form6.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form6::ScanText() const
{
    if (!LastScan.Done())
        return "";
    const std::string count = DecimalText(static_cast<Int32>(LastScan.KeyCount()));
    return Language().Say("キーの色の点 {count} 個 ({count} key-colour points)", { { "count", count } });
}

std::string Form6::ChangeOutcome() const
{
    if (!LastScan.Done())
        return Language().Say("初期設定がまだなので、塗った点は 0 個 (no scan yet, so no point was painted)");
    const std::string count = DecimalText(static_cast<Int32>(LastScan.KeyCount()));
    return Language().Say("{count} 個の点を塗った (painted {count} points)、{colour}",
        { { "count", count }, { "colour", ColourText(NewColour(), Language()) } });
}

// The colour "色 ちぇ～んじ" paints.
ColourValue Form6::NewColour() const
{
    return RGB(Mul16(10, HScroll1().Value()), Mul16(10, HScroll2().Value()), Mul16(10, HScroll3().Value()));
}

std::string Form6::NewColourText() const
{
    return Language().Say("新しい色 (new colour) {colour}", { { "colour", ColourText(NewColour(), Language()) } });
}

// The liquid's colour is read off the picture at the first recorded point, so the photo tells the
// colour it shows; a reopened window has its scale in twips again until the next colour change.
std::string Form6::PhotoText() const
{
    std::string now = ScanText();
    auto& picture = Picture1();
    const auto first = LastScan.FirstKey();
    if (first && picture.ScaleWidth() == LastScan.ScanWidth() && picture.ScaleHeight() == LastScan.ScanHeight()) {
        const auto [x, y] = *first;
        now = Language().Say("{scan}、液体 (liquid) {colour}",
            { { "scan", now },
                { "colour", ColourText(picture.Point(static_cast<float>(x), static_cast<float>(y)), Language()) } });
    }
    return now;
}

// What a colour change painted is no longer true once a bar has moved; between changes the button
// tells what the photo shows.
void Form6::BindOutcomes()
{
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this] { return NewColourText(); });
    const auto painted = [this] { return ChangeOutcome(); };
    const auto photo = [this] { return PhotoText(); };
    Tell(Command1(), [this] { return ScanText(); });
    Tell(Command2(), painted, photo);
    Tell(Picture1(), photo);
}

} // namespace palettra
