#include "forms/Form1/Form1.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form1::SharesOutcome() const
{
    const Int16 v = HScroll1().Value();
    // TRANSLATORS: {red} and {blue} are the shares in percent, {colour} the mixed colour.
    return Language().Say("赤 {red}％、青 {blue}％、{colour}",
        { { "red", DecimalText(v) }, { "blue", DecimalText(Sub16(100, v)) },
            { "colour", ColourText(Picture1().BackColor(), Language()) } });
}

void Form1::BindOutcomes()
{
    Tell(HScroll1(), [this] { return SharesOutcome(); });
    Tell(Picture1(), toolkit::BackColourOf(Picture1()));
}

} // namespace palettra
