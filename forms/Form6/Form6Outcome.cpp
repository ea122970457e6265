#include "forms/Form6/Form6.h"

#include "common/ColourText.h"
#include "common/Text.h"

#include <algorithm>

namespace palettra {

using namespace common;

std::size_t Form6::Grid::KeyCount() const
{
    return static_cast<std::size_t>(std::count(cells_.begin(), cells_.end(), Cell::Key));
}

std::string Form6::ScanText() const
{
    const std::string count = DecimalText(static_cast<Int32>(KeyMask.KeyCount()));
    return "キーの色の点 " + count + " 個 (" + count + " key-colour points)";
}

std::string Form6::ChangeOutcome() const
{
    if (!ScanWidth)
        return "初期設定がまだなので、塗った点は 0 個 (no scan yet, so no point was painted)";
    const ColourValue colour
        = RGB(Mul16(10, HScroll1().Value()), Mul16(10, HScroll2().Value()), Mul16(10, HScroll3().Value()));
    const std::string count = DecimalText(static_cast<Int32>(KeyMask.KeyCount()));
    return count + " 個の点を塗った (painted " + count + " points)、" + ColourText(colour);
}

// The liquid's colour is read off the picture at the first recorded point, so the photo tells the
// colour it shows; a reopened window has its scale in twips again until the next colour change.
void Form6::DescribePictures()
{
    if (!ScanWidth)
        return;
    std::string now = ScanText();
    auto& picture = Picture1();
    if (picture.ScaleWidth() == *ScanWidth && picture.ScaleHeight() == *ScanHeight)
        for (int x = 0; x < KeyMask.Columns(); ++x)
            if (const int y = KeyMask.NextKey(x, 0); KeyMask.Contains(x, y)) {
                now += "、液体 (liquid) " + ColourText(picture.Point(static_cast<float>(x), static_cast<float>(y)));
                break;
            }
    toolkit::DescribeContent(picture, now);
}

} // namespace palettra
