#include "forms/Form2/Form2.h"
#include "headless/HeadlessFace.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace palettra;
using toolkit::Label;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

struct Mix {
    int r, g, b;
    const char* triple;
    const char* code;
    common::ColourValue swatch; // 0x00BBGGRR
};

void PrintTo(const Mix& mix, std::ostream* out) { *out << mix.triple; }

class Form2Mixing : public testing::TestWithParam<Mix> {
protected:
    void SetUp() override { form.Show(); }
    std::string Caption(const char* name) { return form.Find<Label>(name).Caption(); }
    headless::HeadlessFace face;
    Form2 form { face };
};

TEST_P(Form2Mixing, ShowsSwatchTripleAndCode)
{
    const Mix& mix = GetParam();
    form.Find<ScrollBar>("HScroll1").SetValue(static_cast<common::Int16>(mix.r));
    form.Find<ScrollBar>("HScroll2").SetValue(static_cast<common::Int16>(mix.g));
    form.Find<ScrollBar>("HScroll3").SetValue(static_cast<common::Int16>(mix.b));
    EXPECT_EQ(Caption("Label2"), mix.triple);
    EXPECT_EQ(Caption("Label4"), mix.code);
    auto& swatch = form.Find<PictureBox>("Picture1");
    EXPECT_EQ(swatch.BackColor(), mix.swatch);
    EXPECT_EQ(swatch.Point(100, 100), swatch.BackColor());
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, Form2Mixing,
    testing::Values(Mix { 255, 255, 255, "RGB = (255,255,255)", "FFFFFF", 0xFFFFFF },
        Mix { 5, 0, 0, "RGB = (5,0,0)", "050000", 0x000005 },
        Mix { 10, 11, 15, "RGB = (10,11,15)", "0A0B0F", 0x0F0B0A },
        Mix { 16, 153, 30, "RGB = (16,153,30)", "10991E", 0x1E9910 },
        Mix { 255, 128, 0, "RGB = (255,128,0)", "FF8000", 0x0080FF },
        Mix { 10, 0, 171, "RGB = (10,0,171)", "0A00AB", 0xAB000A }));

TEST(Form2, OpensBlackAndReturnsToTheSameLookAtZero)
{
    headless::HeadlessFace face;
    Form2 form(face);
    form.Show();
    auto& label2 = form.Find<Label>("Label2");
    auto& label4 = form.Find<Label>("Label4");
    auto& swatch = form.Find<PictureBox>("Picture1");
    EXPECT_EQ(label2.Caption(), "RGB = (0,0,0)");
    EXPECT_EQ(label4.Caption(), "000000");
    EXPECT_EQ(swatch.BackColor(), 0);
    form.Find<ScrollBar>("HScroll2").SetValue(200);
    form.Find<ScrollBar>("HScroll2").SetValue(0);
    EXPECT_EQ(label2.Caption(), "RGB = (0,0,0)");
    EXPECT_EQ(label4.Caption(), "000000");
    EXPECT_EQ(swatch.BackColor(), 0);
}

} // namespace
