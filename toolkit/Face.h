#pragma once

#include "texts/Language.h"
#include "toolkit/controls/Peers.h"
#include "toolkit/layout/ScreenFit.h"
#include "toolkit/picture/SampledRasteriser.h"

#include <memory>

namespace palettra::toolkit {

class CommandButton;
class Label;
class PictureBox;
class ScrollBar;
class Window;

// A platform that shows the core's windows: it makes a peer for each window and control, may paint a
// picture's strokes with a painter of its own, and ends the program. The desktop's Qt widgets
// are one face, the browser another, and a face that shows nothing serves the tests.
class Face {
public:
    virtual ~Face() = default;

    virtual std::unique_ptr<WindowPeer> MakePeer(Window& window) = 0;
    virtual std::unique_ptr<ScrollBarPeer> MakePeer(ScrollBar& bar) = 0;
    virtual std::unique_ptr<LabelPeer> MakePeer(Label& label) = 0;
    virtual std::unique_ptr<ButtonPeer> MakePeer(CommandButton& button) = 0;
    virtual std::unique_ptr<PicturePeer> MakePeer(PictureBox& picture) = 0;

    // Lines wider than a pixel or sloped, circles and arcs, onto a picture's pixels: by the face's own
    // painter, where it has one that shows them everywhere else.
    virtual Rasteriser& Strokes() { return sampled_; }
    // Whether an assistive tool reads the program now. Until one does, nothing is described or
    // announced: no one would hear it, and a tool that comes later has every window describe itself.
    virtual bool AssistiveToolsListen() const = 0;
    // Closes every window and ends the program at once.
    virtual void EndProgram() = 0;

    // Where the screen shows windows, and at what size they open; a face whose screen changes size
    // tells it here, then has the open windows fit it again.
    const ScreenFit& Screen() const { return screen_; }
    void SetScreen(const ScreenFit& screen) { screen_ = screen; }
    // The language the face found its user asks for, in which every window speaks; a face that can
    // switch it tells it here, then has the open windows speak it.
    const texts::Language& Language() const { return *language_; }
    void SetLanguage(const texts::Language& language) { language_ = &language; }

private:
    SampledRasteriser sampled_;
    ScreenFit screen_;
    const texts::Language* language_ = &texts::Japanese();
};

} // namespace palettra::toolkit
