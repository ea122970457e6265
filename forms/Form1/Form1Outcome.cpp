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

void Form1::BindOutcomes()
{
    Tell(HScroll1(), [this] { return SharesOutcome(); });
    Tell(Picture1(), toolkit::BackColourOf(Picture1()));
}

} // namespace palettra
