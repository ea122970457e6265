#pragma once

#include "desktop/QtRasteriser.h"
#include "toolkit/Face.h"

namespace palettra::desktop {

// The core's windows as Qt widgets on the desktop.
class DesktopFace : public toolkit::Face {
public:
    std::unique_ptr<toolkit::WindowPeer> MakePeer(toolkit::Window& window) override;
    std::unique_ptr<toolkit::ScrollBarPeer> MakePeer(toolkit::ScrollBar& bar) override;
    std::unique_ptr<toolkit::LabelPeer> MakePeer(toolkit::Label& label) override;
    std::unique_ptr<toolkit::ButtonPeer> MakePeer(toolkit::CommandButton& button) override;
    std::unique_ptr<toolkit::PicturePeer> MakePeer(toolkit::PictureBox& picture) override;

    toolkit::Rasteriser& Strokes() override { return rasteriser_; }
    bool AssistiveToolsListen() const override;
    void EndProgram() override;

private:
    QtRasteriser rasteriser_;
};

} // namespace palettra::desktop
