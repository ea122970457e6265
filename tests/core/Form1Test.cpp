#include "forms/Form1/Form1.h"
#include "headless/HeadlessFace.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace palettra;
using namespace palettra::toolkit;
using common::RGB;

namespace {

struct Share {
    int v, red, blue;
    const char* label1;
    const char* label2;
};

void PrintTo(const Share& share, std::ostream* out) { *out << "v = " << share.v; }

class Form1Test : public testing::Test {
protected:
    void SetUp() override { form.Show(); }
    ScrollBar& Bar() { return form.Find<ScrollBar>("HScroll1"); }
    void ExpectShows(int red, int blue, const char* label1, const char* label2)
    {
        auto& swatch = form.Find<PictureBox>("Picture1");
        EXPECT_EQ(swatch.BackColor(), RGB(red, 0, blue));
        EXPECT_EQ(swatch.Point(500, 500), RGB(red, 0, blue));
        EXPECT_EQ(form.Find<Label>("Label1").Caption(), label1);
        EXPECT_EQ(form.Find<Label>("Label2").Caption(), label2);
    }
    headless::HeadlessFace face;
    Form1 form { face };
};

class Form1Shares : public Form1Test, public testing::WithParamInterface<Share> { };

TEST_P(Form1Shares, ShowsTheMixAndBothShares)
{
    const Share& share = GetParam();
    // Only a change runs the handler, and the bar opens at 50.
    if (Bar().Value() == share.v)
        Bar().SetValue(0);
    Bar().SetValue(static_cast<common::Int16>(share.v));
    ExpectShows(share.red, share.blue, share.label1, share.label2);
}

INSTANTIATE_TEST_SUITE_P(Samples, Form1Shares,
    testing::Values(Share { 0, 0, 255, "100", "0" }, Share { 1, 2, 252, "99", "1" }, Share { 20, 51, 204, "80", "20" },
        Share { 40, 102, 153, "60", "40" }, Share { 49, 124, 130, "51", "49" }, Share { 50, 127, 127, "50", "50" },
        Share { 51, 130, 124, "49", "51" }, Share { 60, 153, 102, "40", "60" }, Share { 80, 204, 50, "20", "80" },
        Share { 99, 252, 2, "1", "99" }, Share { 100, 255, 0, "0", "100" }),
    [](const testing::TestParamInfo<Share>& info) { return "v" + std::to_string(info.param.v); });

TEST_F(Form1Test, OpensPurpleOneStepAboveTheMixAtFiftyAndAgainOnEachLoad)
{
    ExpectShows(128, 128, "50", "50");
    Bar().SetValue(80);
    form.Close();
    form.Show();
    ExpectShows(128, 128, "50", "50");
}

} // namespace
