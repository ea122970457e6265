#pragma once

#include "texts/Message.h"
#include "toolkit/Face.h"
#include "toolkit/controls/Control.h"

#include <map>
#include <string>
#include <vector>

namespace palettra::headless {

// A face that shows nothing: the core's windows run their handlers, draw into their pictures and
// read them back with no platform at all, for tests and measurements. What a user would have seen
// or heard of the program (its error reports, its announcements, the controls' descriptions, where
// its windows opened, its end) is kept here to be read; a window's client area takes the size asked.
class HeadlessFace : public toolkit::Face {
public:
    std::unique_ptr<toolkit::WindowPeer> MakePeer(toolkit::Window& window) override;
    std::unique_ptr<toolkit::ScrollBarPeer> MakePeer(toolkit::ScrollBar& bar) override;
    std::unique_ptr<toolkit::LabelPeer> MakePeer(toolkit::Label& label) override;
    std::unique_ptr<toolkit::ButtonPeer> MakePeer(toolkit::CommandButton& button) override;
    std::unique_ptr<toolkit::PicturePeer> MakePeer(toolkit::PictureBox& picture) override;

    bool AssistiveToolsListen() const override { return listening; }
    void EndProgram() override { ended = true; }

    bool listening = false;
    bool ended = false;
    std::vector<int> errors; // the codes of the run-time errors reported, in order
    std::vector<texts::Message> messages; // the reports and the help shown, in order
    std::vector<std::string> announcements;
    std::vector<toolkit::Rect> openings; // where each window was opened, in order
    struct Placing {
        toolkit::Rect place;
        bool maximised = false;
        bool operator==(const Placing&) const = default;
    };
    std::vector<Placing> placings; // where open windows were put since, in order
    std::map<const toolkit::Control*, std::string> descriptions; // each control's, as last told
    std::map<const toolkit::Control*, int> thumbs; // the value each bar's thumb was last shown at
    std::map<const toolkit::Control*, std::string> names; // each control's, as renamed in another language
    std::map<const toolkit::Window*, std::string> titles; // each window's, as shown again in another language
};

} // namespace palettra::headless
