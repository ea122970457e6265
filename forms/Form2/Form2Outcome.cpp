#include "forms/Form2/Form2.h"

#include "common/ColourText.h"
#include "common/Text.h"

namespace palettra {

using namespace common;

std::string Form2::MixOutcome() const
{
    const ColourValue colour = Picture1().BackColor();
    // TRANSLATORS: {triple} is "(255,128,0)", {code} the hexadecimal code "FF8000", {word} "orange".
    return Language().Say("{triple}、16進数 {code}、{word}",
        { { "triple", TripleText(colour) }, { "code", Label4().Caption() },
            { "word", ColourWordText(colour, Language()) } });
}

void Form2::BindOutcomes()
{
    for (auto* bar : { &HScroll1(), &HScroll2(), &HScroll3() })
        Tell(*bar, [this] { return MixOutcome(); });
    Tell(Picture1(), toolkit::BackColourOf(Picture1()));
}

} // namespace palettra
