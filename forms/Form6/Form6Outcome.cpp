#include "forms/Form6/Form6.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form6::ScanText() const
{
    const std::string count = DecimalText(static_cast<Int32>(LastScan.KeyCount()));
    return "キーの色の点 " + count + " 個 (" + count + " key-colour points)";
}

std::string Form6::ChangeOutcome() const
{
    if (!LastScan.Done())
        return "初期設定がまだなので、塗った点は 0 個 (no scan yet, so no point was painted)";
    const ColourValue colour
        = RGB(Mul16(10, HScroll1().Value()), Mul16(10, HScroll2().Value()), Mul16(10, HScroll3().Value()));
    const std::string count = DecimalText(static_cast<Int32>(LastScan.KeyCount()));
    return count + " 個の点を塗った (painted " + count + " points)、" + ColourText(colour);
}

// The liquid's colour is read off the picture at the first recorded point, so the photo tells the
// colour it shows; a reopened window has its scale in twips again until the next colour change.
void Form6::DescribePictures()
{
    if (!LastScan.Done())
        return;
    std::string now = ScanText();
    auto& picture = Picture1();
    const auto first = LastScan.FirstKey();
    if (first && picture.ScaleWidth() == LastScan.ScanWidth() && picture.ScaleHeight() == LastScan.ScanHeight()) {
        const auto [x, y] = *first;
        now += "、液体 (liquid) " + ColourText(picture.Point(static_cast<float>(x), static_cast<float>(y)));
    }
    toolkit::DescribeContent(picture, now);
}

} // namespace palettra
