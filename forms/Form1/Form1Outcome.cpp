#include "forms/Form1/Form1.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form1::SharesOutcome() const
{
    const Int16 v = HScroll1().Value();
    return "赤 " + DecimalText(v) + "％、青 " + DecimalText(Sub16(100, v)) + "％、"
        + ColourText(Picture1().BackColor());
}

void Form1::DescribePictures() { toolkit::DescribeBackColour(Picture1()); }

} // namespace palettra
