#include "common/ColourValue.h"
#include "headless/HeadlessFace.h"
#include "tests/ToolWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
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

    // What the user's keys, arrows and mouse do to a bar, a small or a large step either way, an end or
    // a drag of the thumb, against where its layout's range puts it (every layout's Min is below its
    // Max); the thumb's value worked out in integers, as the half that rounds up is exact there.
    void StepBar()
    {
        ScrollBar* bar = RandomBar();
        if (!bar)
            return;
        const ControlLayout& row = bar->Layout();
        const int towards = Pick(2) == 0 ? -1 : 1;
        int wanted = bar->Value();
        switch (Pick(4)) {
        case 0:
            wanted += towards * row.smallChange;
            bar->Step(towards);
            break;
        case 1:
            wanted += towards * row.largeChange;
            bar->Page(towards);
            break;
        case 2:
            wanted = towards > 0 ? row.max : row.min;
            bar->ToEnd(towards);
            break;
        default: {
            const int room = 1 + Pick(400);
            const int offset = Pick(room + 41) - 20;
            wanted = offset <= 0 ? row.min
                : offset >= room ? row.max
                                 : row.min + (2 * offset * (row.max - row.min) + room) / (2 * room);
            bar->HoldThumb();
            bar->DragThumb(offset, room);
            bar->LetGoThumb();
            break;
        }
        }
        ASSERT_EQ(bar->Value(), std::clamp(wanted, row.min, row.max)) << row.name;
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

    // The captions as the C library formats the bars' values, the swatch as 0x00BBGGRR packs them:
    // none of the helpers the mixer draws with.
    static void CheckMixer(Window& form)
    {
        const int r = form.Find<ScrollBar>("HScroll1").Value();
        const int g = form.Find<ScrollBar>("HScroll2").Value();
        const int b = form.Find<ScrollBar>("HScroll3").Value();
        std::array<char, 32> triple {};
        std::array<char, 8> code {};
        std::snprintf(triple.data(), triple.size(), "RGB = (%d,%d,%d)", r, g, b);
        std::snprintf(code.data(), code.size(), "%02X%02X%02X", r, g, b);
        EXPECT_EQ(form.Find<Label>("Label2").Caption(), triple.data());
        EXPECT_EQ(form.Find<Label>("Label4").Caption(), code.data());
        EXPECT_EQ(form.Find<PictureBox>("Picture1").BackColor(), b << 16 | g << 8 | r);
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
