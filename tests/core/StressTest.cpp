#include "common/ColourValue.h"
#include "common/Text.h"
#include "headless/HeadlessFace.h"
#include "tests/ToolWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace palettra;
using namespace palettra::toolkit;
using tests::Tool;
using tests::Tools;

namespace {

constexpr int Actions = 20000;
constexpr unsigned DefaultSeed = 20261208;

std::vector<const ControlLayout*> RowsOf(const Window& window, std::initializer_list<Kind> kinds)
{
    std::vector<const ControlLayout*> rows;
    for (const ControlLayout& row : window.Layout().controls)
        if (std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end())
            rows.push_back(&row);
    return rows;
}

class Storm {
public:
    explicit Storm(unsigned seed)
        : random_(seed)
    {
        catalogue_.StartUp().Show();
    }

    void Act()
    {
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2:
            SetBar();
            break;
        case 3:
        case 4:
            StepBar();
            break;
        case 5:
        case 6:
            PressButton();
            break;
        case 7:
            CloseTool();
            break;
        default:
            OpenTool();
            break;
        }
    }

    void CheckInvariants()
    {
        EXPECT_EQ(face_.errors, std::vector<int> {}) << "a run-time error";
        for (Window* window : AllWindows()) {
            if (!window->IsLoaded())
                continue;
            for (const ControlLayout* row : RowsOf(*window, { Kind::HScrollBar, Kind::VScrollBar })) {
                const auto& bar = window->Find<ScrollBar>(row->name, row->index);
                ASSERT_GE(bar.Value(), row->min) << window->Layout().name << " " << row->name;
                ASSERT_LE(bar.Value(), row->max) << window->Layout().name << " " << row->name;
            }
        }
        if (catalogue_.form2 && catalogue_.form2->IsLoaded())
            CheckMixer(*catalogue_.form2);
        if (catalogue_.form1 && catalogue_.form1->IsLoaded())
            CheckPercentages(*catalogue_.form1);
    }

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    std::vector<Window*> AllWindows()
    {
        std::vector<Window*> windows { &catalogue_.StartUp() };
        for (const Tool& tool : Tools)
            if (Window* window = tool.window(catalogue_))
                windows.push_back(window);
        return windows;
    }

    Window* OpenToolWindow()
    {
        std::vector<Window*> open;
        for (const Tool& tool : Tools)
            if (Window* window = tool.window(catalogue_); window && window->IsLoaded())
                open.push_back(window);
        if (open.empty())
            return nullptr;
        return open[static_cast<std::size_t>(Pick(static_cast<int>(open.size())))];
    }

    ScrollBar* RandomBar()
    {
        Window* window = OpenToolWindow();
        if (!window)
            return nullptr;
        const auto rows = RowsOf(*window, { Kind::HScrollBar, Kind::VScrollBar });
        if (rows.empty())
            return nullptr;
        const ControlLayout* row = rows[static_cast<std::size_t>(Pick(static_cast<int>(rows.size())))];
        return &window->Find<ScrollBar>(row->name, row->index);
    }

    void SetBar()
    {
        ScrollBar* bar = RandomBar();
        if (!bar)
            return;
        const int edge = Pick(4);
        const int value = edge == 0 ? bar->Min()
            : edge == 1             ? bar->Max()
                                    : bar->Min() + Pick(bar->Max() - bar->Min() + 1);
        bar->SetValue(static_cast<common::Int16>(value));
    }

    // A step as the user's keys commit one: a small or a large step either way, or an end.
    void StepBar()
    {
        ScrollBar* bar = RandomBar();
        if (!bar)
            return;
        const std::array<int, 6> steps { -bar->SmallChange(), bar->SmallChange(), -bar->LargeChange(),
            bar->LargeChange(), bar->Min() - bar->Value(), bar->Max() - bar->Value() };
        const int step = steps[static_cast<std::size_t>(Pick(steps.size()))];
        bar->Commit(std::clamp(bar->Value() + step, static_cast<int>(bar->Min()), static_cast<int>(bar->Max())));
    }

    void PressButton()
    {
        Window* window = OpenToolWindow();
        if (!window)
            return;
        const auto rows = RowsOf(*window, { Kind::CommandButton });
        if (rows.empty())
            return;
        const ControlLayout* row = rows[static_cast<std::size_t>(Pick(static_cast<int>(rows.size())))];
        window->Find<CommandButton>(row->name, row->index).Press();
    }

    void CloseTool()
    {
        if (Window* window = OpenToolWindow())
            window->Close();
    }

    // Opens a tool window from the menu, or brings an open one to the front; a window
    // that comes back after a close shows its layout's initial values.
    void OpenTool()
    {
        const Tool& tool = Tools[static_cast<std::size_t>(Pick(Tools.size()))];
        Window* before = tool.window(catalogue_);
        const bool reopening = before && !before->IsLoaded();
        catalogue_.StartUp().Find<CommandButton>(tool.button).Press();
        Window* after = tool.window(catalogue_);
        ASSERT_NE(after, nullptr);
        ASSERT_TRUE(!before || before == after);
        if (reopening || !before)
            CheckInitialValues(*after);
    }

    static void CheckInitialValues(Window& window)
    {
        for (const ControlLayout* row : RowsOf(window, { Kind::HScrollBar, Kind::VScrollBar }))
            EXPECT_EQ(window.Find<ScrollBar>(row->name, row->index).Value(), row->value) << row->name;
        for (const ControlLayout* row : RowsOf(window, { Kind::Label }))
            EXPECT_EQ(window.Find<Label>(row->name, row->index).Caption(), row->caption) << row->name;
    }

    static void CheckMixer(Window& form)
    {
        const int r = form.Find<ScrollBar>("HScroll1").Value();
        const int g = form.Find<ScrollBar>("HScroll2").Value();
        const int b = form.Find<ScrollBar>("HScroll3").Value();
        EXPECT_EQ(form.Find<Label>("Label2").Caption(),
            "RGB = (" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + ")");
        EXPECT_EQ(form.Find<Label>("Label4").Caption(), common::HexText(r) + common::HexText(g) + common::HexText(b));
        EXPECT_EQ(form.Find<PictureBox>("Picture1").BackColor(), common::RGB(r, g, b));
    }

    static void CheckPercentages(Window& form)
    {
        const int v = form.Find<ScrollBar>("HScroll1").Value();
        EXPECT_EQ(form.Find<Label>("Label1").Caption(), std::to_string(100 - v));
        EXPECT_EQ(form.Find<Label>("Label2").Caption(), std::to_string(v));
    }

    std::mt19937 random_;
    headless::HeadlessFace face_;
    Catalogue catalogue_ { face_ };
};

unsigned Seed()
{
    const char* given = std::getenv("PALETTRA_STRESS_SEED");
    return given ? static_cast<unsigned>(std::stoul(given)) : DefaultSeed;
}

TEST(Stress, TwentyThousandRandomUserActionsKeepEveryWindowConsistent)
{
    const unsigned seed = Seed();
    SCOPED_TRACE("stress seed " + std::to_string(seed) + " (set PALETTRA_STRESS_SEED to repeat)");
    Storm storm(seed);
    for (int step = 0; step < Actions; ++step) {
        storm.Act();
        storm.CheckInvariants();
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "stopped after action " << step << " of seed " << seed;
            return;
        }
    }
}

} // namespace
