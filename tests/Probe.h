#pragma once

#include "toolkit/Window.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/PictureBox.h"
#include "toolkit/controls/ScrollBar.h"

#include <functional>
#include <string>
#include <vector>

namespace palettra::tests {

using toolkit::Kind;

inline const toolkit::WindowLayout ProbeLayout {
    .name = "Probe",
    .caption = "Probe",
    .controls = {
        { .kind = Kind::HScrollBar, .name = "HScroll1", .left = 0, .top = 0, .width = 3000, .height = 300, .tab = 1,
            .max = 25, .value = 5 },
        { .kind = Kind::VScrollBar, .name = "VScroll1", .left = 0, .top = 600, .width = 300, .height = 3000, .tab = 0,
            .max = 10000, .value = 5000, .largeChange = 100 },
        { .kind = Kind::CommandButton, .name = "Command1", .caption = "One", .left = 3600, .top = 0, .width = 900,
            .height = 450, .tab = 2 },
        { .kind = Kind::CommandButton, .name = "Command1", .index = 1, .caption = "Two", .left = 3600, .top = 600,
            .width = 900, .height = 450, .tab = 3 },
        { .kind = Kind::Label, .name = "Label1", .caption = "start", .left = 3600, .top = 1200, .width = 900,
            .height = 300, .tab = 4 },
        { .kind = Kind::PictureBox, .name = "Picture1", .left = 600, .top = 600, .width = 1560, .height = 1560,
            .tab = 5, .backColor = toolkit::Fixed(0xFFFFFF) },
    },
};

// A window whose handlers only record that they ran, so the event rules can be watched on any face.
class Probe : public toolkit::Window {
public:
    explicit Probe(toolkit::Face& face)
        : Window(ProbeLayout, face)
    {
    }

    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& VScroll1() const { return Find<toolkit::ScrollBar>("VScroll1"); }
    toolkit::CommandButton& Command1(int index) const { return Find<toolkit::CommandButton>("Command1", index); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }

    std::vector<std::string> log;
    std::function<void()> onChange;
    std::function<void()> onClick;

private:
    void BindEvents() override
    {
        HScroll1().OnChange([this] {
            log.push_back("HScroll1_Change " + std::to_string(HScroll1().Value()));
            if (onChange)
                onChange();
        });
        VScroll1().OnChange([this] { log.push_back("VScroll1_Change " + std::to_string(VScroll1().Value())); });
        Command1(0).OnClick([this] {
            log.push_back("Command1_Click 0");
            if (onClick)
                onClick();
        });
        Command1(1).OnClick([this] { log.push_back("Command1_Click 1"); });
    }
    void Form_Load() override { log.push_back("Form_Load"); }
};

} // namespace palettra::tests
