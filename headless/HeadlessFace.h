#pragma once

#include "toolkit/Face.h"
#include "toolkit/controls/Control.h"
#include "toolkit/picture/Rasteriser.h"

#include <map>
#include <string>
#include <vector>

namespace palettra::headless {

// A face that shows nothing: the core's windows run their handlers, draw into their pictures and
// read them back with no platform at all, for tests and measurements. What a user would have seen
// or heard of the program (its error reports, its announcements, the controls' descriptions, its end)
// is kept here to be read.
class HeadlessFace : public toolkit::Face {
public:
    std::unique_ptr<toolkit::WindowPeer> MakePeer(toolkit::Window& window) override;
    std::unique_ptr<toolkit::ScrollBarPeer> MakePeer(toolkit::ScrollBar& bar) override;
    std::unique_ptr<toolkit::LabelPeer> MakePeer(toolkit::Label& label) override;
    std::unique_ptr<toolkit::ButtonPeer> MakePeer(toolkit::CommandButton& button) override;
    std::unique_ptr<toolkit::PicturePeer> MakePeer(toolkit::PictureBox& picture) override;

    // Strokes are left out: what they look like is the painting face's business.
    toolkit::Rasteriser& Strokes() override { return noStrokes_; }
    toolkit::PixelBuffer StoredPicture(const std::string& name) override;
    bool AssistiveToolsListen() const override { return listening; }
    void EndProgram() override { ended = true; }

    bool listening = false;
    bool ended = false;
    std::vector<int> errors; // the codes of the run-time errors reported, in order
    std::vector<std::string> announcements;
    std::map<const toolkit::Control*, std::string> descriptions; // each control's, as last told

private:
    class NoStrokes : public toolkit::Rasteriser {
    public:
        void Paint(toolkit::PixelBuffer&, const toolkit::Stroke&) override { }
    };
    NoStrokes noStrokes_;
};

} // namespace palettra::headless
