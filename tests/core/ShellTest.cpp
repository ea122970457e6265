#include "headless/HeadlessFace.h"
#include "shell/Catalogue.h"
#include "tests/ToolWindows.h"

#include <gtest/gtest.h>

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

} // namespace
