#include "forms/Form2/Form2.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form2::MixOutcome() const
{
    const ColourValue colour = Picture1().BackColor();
    return TripleText(colour) + "、16進数 " + Label4().Caption() + "、" + ColourWordText(colour);
}

void Form2::DescribePictures() { toolkit::DescribeBackColour(Picture1()); }

} // namespace palettra
