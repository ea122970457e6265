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

void Form2::BindOutcomes()
{
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this] { return MixOutcome(); });
    Tell(Picture1(), toolkit::BackColourOf(Picture1()));
}

} // namespace palettra
