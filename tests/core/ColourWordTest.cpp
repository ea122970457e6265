#include "common/ColourWord.h"
#include "common/ColourText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace palettra::common;
using palettra::texts::Japanese;
using palettra::texts::LanguageFor;

namespace {

const palettra::texts::Language& English = LanguageFor("en");

struct Named {
    int r, g, b;
    const char* japanese;
    const char* english;
};

void PrintTo(const Named& named, std::ostream* out)
{
    *out << "(" << named.r << "," << named.g << "," << named.b << ") " << named.english;
}

class ColourWords : public testing::TestWithParam<Named> { };

TEST_P(ColourWords, NameTheColourInBothLanguages)
{
    const Named& named = GetParam();
    const ColourWord word = NameColour(RGB(named.r, named.g, named.b));
    EXPECT_EQ(word.In(Japanese()), named.japanese);
    EXPECT_EQ(word.In(English), named.english);
}

// The mixer's corners, the key colour, the colours the windows' own examples name, and one
// colour on either side of each bound of the rule.
INSTANTIATE_TEST_SUITE_P(Colours, ColourWords,
    testing::Values(Named { 0, 0, 0, "黒", "black" }, Named { 255, 0, 0, "赤", "red" },
        Named { 0, 255, 0, "緑", "green" }, Named { 0, 0, 255, "青", "blue" }, Named { 255, 255, 0, "黄", "yellow" },
        Named { 0, 255, 255, "水色", "cyan" }, Named { 255, 0, 255, "紫", "purple" },
        Named { 255, 255, 255, "白", "white" }, Named { 0, 0, 254, "青", "blue" }, Named { 10, 0, 171, "青", "blue" },
        Named { 255, 128, 0, "橙", "orange" }, Named { 204, 0, 50, "赤", "red" }, Named { 16, 153, 30, "緑", "green" },
        Named { 10, 11, 15, "黒", "black" }, Named { 41, 0, 0, "暗い赤", "dark red" },
        Named { 128, 64, 0, "茶色", "brown" }, Named { 255, 192, 203, "ピンク", "pink" },
        Named { 255, 120, 255, "ピンク", "pink" }, Named { 200, 150, 255, "明るい紫", "light purple" },
        Named { 127, 0, 127, "暗い紫", "dark purple" }, Named { 128, 128, 0, "暗い黄", "dark yellow" },
        Named { 154, 205, 50, "黄緑", "yellow-green" }, Named { 173, 216, 230, "明るい水色", "light cyan" },
        Named { 100, 131, 100, "緑", "green" }, Named { 100, 130, 100, "灰色", "grey" },
        Named { 250, 250, 250, "白", "white" }, Named { 62, 62, 62, "濃い灰色", "dark grey" }));

// Where a ramp of one of the program's channel steps, 0, 10, ..., 250 and 255, changes its word.
struct Ramp {
    const char* name;
    int red, green, blue; // 1 where the channel follows the step, 0 where it stays 0
    std::vector<std::pair<int, const char*>> words; // the last step with each English word
};

void PrintTo(const Ramp& ramp, std::ostream* out) { *out << ramp.name; }

class ChannelSteps : public testing::TestWithParam<Ramp> { };

TEST_P(ChannelSteps, ChangeWordOnlyAtTheBounds)
{
    const Ramp& ramp = GetParam();
    std::vector<int> steps;
    for (int v = 0; v <= 250; v += 10)
        steps.push_back(v);
    steps.push_back(255);
    auto word = ramp.words.begin();
    for (const int v : steps) {
        while (v > word->first)
            ++word;
        EXPECT_EQ(NameColour(RGB(v * ramp.red, v * ramp.green, v * ramp.blue)).In(English), word->second) << "at " << v;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, ChannelSteps,
    testing::Values(
        Ramp { "Grey", 1, 1, 1,
            { { 40, "black" }, { 80, "dark grey" }, { 160, "grey" }, { 220, "light grey" }, { 255, "white" } } },
        Ramp { "Red", 1, 0, 0, { { 40, "black" }, { 150, "dark red" }, { 255, "red" } } },
        Ramp { "Green", 0, 1, 0, { { 40, "black" }, { 150, "dark green" }, { 255, "green" } } },
        Ramp { "Blue", 0, 0, 1, { { 40, "black" }, { 150, "dark blue" }, { 255, "blue" } } },
        Ramp { "Yellow", 1, 1, 0, { { 40, "black" }, { 150, "dark yellow" }, { 255, "yellow" } } }),
    [](const testing::TestParamInfo<Ramp>& info) { return info.param.name; });

// The Japanese interface glosses the word in English; the English one has the English alone.
TEST(ColourText, WritesTheTripleWithoutBlanksThenTheWord)
{
    EXPECT_EQ(ColourText(RGB(255, 128, 0), Japanese()), "(255,128,0)、橙 (orange)");
    EXPECT_EQ(ColourText(RGB(0, 0, 0), Japanese()), "(0,0,0)、黒 (black)");
    EXPECT_EQ(ColourText(RGB(200, 150, 255), English), "(200,150,255), light purple");
    // A word already told in one language, and again, in the other.
    EXPECT_EQ(ColourText(RGB(200, 150, 255), Japanese()), "(200,150,255)、明るい紫 (light purple)");
    EXPECT_EQ(ColourText(RGB(200, 150, 255), English), "(200,150,255), light purple");
}

} // namespace
