#include "common/ColourWord.h"

#include <algorithm>
#include <array>

using palettra::texts::Text;

namespace palettra::common {

namespace {

    struct Hue {
        double below; // degrees; the family runs from the previous entry's bound up to this one
        ColourWord word;
    };

    // Red wraps round: it holds the hues below 15° and those from 330° on.
    const std::array<Hue, 9> Hues { {
        { 15, { Text("赤") } },
        { 45, { Text("橙") } },
        { 70, { Text("黄") } },
        { 90, { Text("黄緑") } },
        { 160, { Text("緑") } },
        { 200, { Text("水色") } },
        { 260, { Text("青") } },
        { 330, { Text("紫") } },
        { 360, { Text("赤") } },
    } };

    double HueOf(int r, int g, int b, int max, int chroma)
    {
        double sector = 0;
        if (max == r)
            sector = static_cast<double>(g - b) / chroma;
        else if (max == g)
            sector = 2 + static_cast<double>(b - r) / chroma;
        else
            sector = 4 + static_cast<double>(r - g) / chroma;
        const double degrees = 60 * sector;
        return degrees < 0 ? degrees + 360 : degrees;
    }

    ColourWord Neutral(double lightness)
    {
        if (lightness >= 0.9)
            return { Text("白") };
        if (lightness >= 0.65)
            return { Text("薄い灰色") };
        if (lightness >= 0.35)
            return { Text("灰色") };
        return { Text("濃い灰色") };
    }

    // TRANSLATORS: {colour} is a colour word, "red" or "green"; the two make "light red", "dark green".
    ColourWord Light(const ColourWord& word) { return { word.word, Text("明るい{colour}") }; }
    ColourWord Dark(const ColourWord& word) { return { word.word, Text("暗い{colour}") }; }

    ColourWord Chromatic(double hue, double lightness)
    {
        const auto family = std::find_if(Hues.begin(), Hues.end(), [hue](const Hue& h) { return hue < h.below; });
        const ColourWord& word = family->word;
        const bool red = family == Hues.begin() || family == Hues.end() - 1;
        if (lightness >= 0.7)
            return red || hue >= 290 ? ColourWord { Text("ピンク") } : Light(word);
        if (family == Hues.begin() + 1 && lightness < 0.4)
            return { Text("茶色") };
        if (lightness < 0.3)
            return Dark(word);
        return word;
    }

} // namespace

std::string ColourWord::In(const texts::Language& language) const
{
    const std::string basic = language.Say(word);
    return shade ? language.Say(shade, { { "colour", basic } }) : basic;
}

// The rule, on the channels r, g, b (0..255), max and min the largest and smallest of them,
// lightness (max + min) / 510 and the hue angle of the usual hexagonal model:
// - black when max is at most 40, whatever the hue: the eye sees no colour that dark;
// - neutral when max − min is at most 30: white from lightness 0.9, light grey from 0.65,
//   grey from 0.35, dark grey below;
// - otherwise by hue: red below 15° and from 330°, orange to 45°, yellow to 70°, yellow-green
//   to 90°, green to 160°, cyan to 200°, blue to 260°, purple to 330°; then by lightness:
//   from 0.7 "light", except that a light red, and a light purple from 290° on, is pink;
//   an orange below 0.4 is brown; any other below 0.3 is "dark".
ColourWord NameColour(ColourValue colour)
{
    const int r = RedOf(colour);
    const int g = GreenOf(colour);
    const int b = BlueOf(colour);
    const int max = std::max({ r, g, b });
    const int min = std::min({ r, g, b });
    const double lightness = (max + min) / 510.0;
    if (max <= 40)
        return { Text("黒") };
    if (max - min <= 30)
        return Neutral(lightness);
    return Chromatic(HueOf(r, g, b, max, max - min), lightness);
}

} // namespace palettra::common
