#include "shell/Catalogue.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ScrollBar.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

using namespace palettra;
using toolkit::CommandButton;
using toolkit::ScrollBar;

namespace {

class ShellTest : public testing::Test {
protected:
    void SetUp() override { catalogue.StartUp().Show(); }
    void Press(const char* button) { catalogue.StartUp().Find<CommandButton>(button).click(); }
    Catalogue catalogue;
};

TEST_F(ShellTest, TheMenuStartsAloneAtItsPlace)
{
    Menu& menu = catalogue.StartUp();
    EXPECT_EQ(menu.geometry(), QRect(20, 20, 120, 667));
    EXPECT_EQ(menu.windowTitle(), QString(QChar(0x200B))); // shows nothing
    EXPECT_FALSE(
        catalogue.form2 || catalogue.form1 || catalogue.form3 || catalogue.form4 || catalogue.form5 || catalogue.form6);
    EXPECT_EQ(menu.focusWidget(), &menu.Find<CommandButton>("Command1"));
    EXPECT_EQ(menu.Find<CommandButton>("Command1").nextInFocusChain(), &menu.Find<CommandButton>("Command2"));
}

TEST_F(ShellTest, EachButtonOpensOneWindowOfItsKind)
{
    Press("Command1");
    Press("Command3");
    Press("Command4");
    Press("Command5");
    Press("Command6");
    Press("Command7");
    const std::vector<std::pair<toolkit::Window*, const char*>> windows { { catalogue.form2.get(), "RGB → 1677万色" },
        { catalogue.form1.get(), "Form1" }, { catalogue.form3.get(), "Form3" }, { catalogue.form4.get(), "Form4" },
        { catalogue.form5.get(), "Form5" }, { catalogue.form6.get(), "Form4" } };
    for (const auto& [window, title] : windows) {
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle().toStdString(), title);
        EXPECT_EQ(window->geometry(), QRect(140, 20, 800, 667));
    }
    Form3* first = catalogue.form3.get();
    Press("Command4");
    EXPECT_EQ(catalogue.form3.get(), first);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 7);
}

TEST_F(ShellTest, AReopenedWindowIsBackAtItsInitialValues)
{
    Press("Command1");
    Form2* form = catalogue.form2.get();
    form->Find<ScrollBar>("HScroll1").SetValue(200);
    form->close();
    EXPECT_FALSE(form->isVisible());
    Press("Command1");
    EXPECT_EQ(catalogue.form2.get(), form);
    EXPECT_EQ(form->Find<ScrollBar>("HScroll1").Value(), 0);
}

TEST_F(ShellTest, EndWithEveryWindowOpenStopsTheProgramWithStatusZero)
{
    for (const char* button : { "Command1", "Command3", "Command4", "Command5", "Command6", "Command7" })
        Press(button);
    QTimer::singleShot(0, [this] { Press("Command2"); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(ShellTest, ClosingTheMenuKeepsTheProgramWhileAToolWindowIsOpen)
{
    Press("Command4");
    QTimer::singleShot(0, [this] {
        catalogue.StartUp().close();
        QTimer::singleShot(0, [this] {
            EXPECT_TRUE(catalogue.form3->isVisible());
            catalogue.form3->close();
        });
    });
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace

namespace {

TEST_F(ShellTest, EveryFocusableControlHasANameAndADescriptionToSpeak)
{
    for (const char* button : { "Command1", "Command3", "Command4", "Command5", "Command6", "Command7" })
        Press(button);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus))
                continue;
            EXPECT_FALSE(control->accessibleName().isEmpty()) << window->windowTitle().toStdString();
            EXPECT_FALSE(control->accessibleDescription().isEmpty())
                << window->windowTitle().toStdString() << " " << control->accessibleName().toStdString();
        }
    }
    auto* overlap = catalogue.form3.get();
    EXPECT_EQ(overlap->Find<ScrollBar>("HScroll1").accessibleName().toStdString(), "A の Red");
}

} // namespace
