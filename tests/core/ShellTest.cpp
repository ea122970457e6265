#include "headless/HeadlessFace.h"
#include "shell/Catalogue.h"
#include "tests/ToolWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace palettra;
using toolkit::CommandButton;
using toolkit::ScrollBar;

namespace {

class ShellTest : public testing::Test {
protected:
    void SetUp() override { catalogue.StartUp().Show(); }
    void Press(const char* button) { catalogue.StartUp().Find<CommandButton>(button).Press(); }
    headless::HeadlessFace face;
    Catalogue catalogue { face };
};

TEST_F(ShellTest, EachButtonOpensOneWindowOfItsKind)
{
    for (const tests::Tool& tool : tests::Tools)
        EXPECT_EQ(tool.window(catalogue), nullptr) << "before " << tool.button;
    for (const tests::Tool& tool : tests::Tools) {
        Press(tool.button);
        ASSERT_NE(tool.window(catalogue), nullptr) << tool.button;
        EXPECT_TRUE(tool.window(catalogue)->IsLoaded()) << tool.button;
    }
    Form3* first = catalogue.form3.get();
    Press("Command4");
    EXPECT_EQ(catalogue.form3.get(), first);
    EXPECT_TRUE(face.errors.empty());
}

TEST_F(ShellTest, AReopenedWindowIsBackAtItsInitialValues)
{
    Press("Command1");
    Form2* form = catalogue.form2.get();
    form->Find<ScrollBar>("HScroll1").SetValue(200);
    form->Close();
    EXPECT_FALSE(form->IsLoaded());
    Press("Command1");
    EXPECT_EQ(catalogue.form2.get(), form);
    EXPECT_EQ(form->Find<ScrollBar>("HScroll1").Value(), 0);
}

TEST_F(ShellTest, TheProgramEndsWhenItsLastOpenWindowCloses)
{
    Press("Command1");
    Press("Command4");
    catalogue.StartUp().Close();
    catalogue.form2->Close();
    EXPECT_FALSE(face.ended);
    catalogue.form3->Close();
    EXPECT_TRUE(face.ended);
}

TEST_F(ShellTest, EndWithEveryWindowOpenEndsTheProgram)
{
    for (const tests::Tool& tool : tests::Tools)
        Press(tool.button);
    EXPECT_FALSE(face.ended);
    Press("Command2");
    EXPECT_TRUE(face.ended);
    EXPECT_TRUE(face.errors.empty());
}

// The pupils' screens in CSS pixels, with a mouse's title bar and a finger's.
class ScreenTest : public testing::TestWithParam<std::tuple<toolkit::Size, int>> { };

TEST_P(ScreenTest, HoldsEveryWindowWholeWithItsFrame)
{
    const auto [screen, titleHeight] = GetParam();
    const toolkit::FrameSize frame { 2, titleHeight + 2 };
    headless::HeadlessFace face;
    face.SetScreen({ Catalogue::Layouts(), frame, screen });
    Catalogue catalogue(face);
    catalogue.StartUp().Show();
    for (const tests::Tool& tool : tests::Tools)
        catalogue.StartUp().Find<CommandButton>(tool.button).Press();
    ASSERT_EQ(face.openings.size(), 7);
    for (const toolkit::Rect& place : face.openings) {
        EXPECT_GE(place.left, 0);
        EXPECT_GE(place.top, 0);
        EXPECT_LE(place.left + place.width + frame.width, screen.width);
        EXPECT_LE(place.top + place.height + frame.height, screen.height);
    }
    // The largest that fits: on one side nothing is left but the layouts' margin of 20 pixels, at the fit.
    const toolkit::Rect& menu = face.openings.front();
    const double factor = face.openings.back().width / 800.0;
    EXPECT_LE(std::min(menu.left, menu.top) - 20 * factor, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Pupils, ScreenTest,
    testing::Combine(testing::Values(toolkit::Size { 1366, 650 }, toolkit::Size { 1080, 810 },
                         toolkit::Size { 810, 1080 }, toolkit::Size { 1366, 768 }, toolkit::Size { 1280, 720 },
                         toolkit::Size { 1920, 1080 }, toolkit::Size { 1280, 800 }, toolkit::Size { 1024, 600 }),
        testing::Values(24, 44)));

} // namespace
