#pragma once

#include "toolkit/controls/Peers.h"
#include "toolkit/picture/Pixels.h"

#include <memory>
#include <string>

namespace palettra::toolkit {

class CommandButton;
class Label;
class PictureBox;
class Rasteriser;
class ScrollBar;
class Window;

// A platform that shows the core's windows: it makes a peer for each window and control, paints
// what the core cannot, decodes the stored pictures and ends the program. The desktop's Qt widgets
// are one face, the browser another, and a face that shows nothing serves the tests.
class Face {
public:
    virtual ~Face() = default;

    virtual std::unique_ptr<WindowPeer> MakePeer(Window& window) = 0;
    virtual std::unique_ptr<ScrollBarPeer> MakePeer(ScrollBar& bar) = 0;
    virtual std::unique_ptr<LabelPeer> MakePeer(Label& label) = 0;
    virtual std::unique_ptr<ButtonPeer> MakePeer(CommandButton& button) = 0;
    virtual std::unique_ptr<PicturePeer> MakePeer(PictureBox& picture) = 0;

    // Lines wider than a pixel or sloped, circles and arcs, onto a picture's pixels.
    virtual Rasteriser& Strokes() = 0;
    // The stored picture a layout names, decoded.
    virtual PixelBuffer StoredPicture(const std::string& name) = 0;
    // Whether an assistive tool reads the program now. Until one does, nothing is described or
    // announced: no one would hear it, and a tool that comes later has every window describe itself.
    virtual bool AssistiveToolsListen() const = 0;
    // Closes every window and ends the program at once.
    virtual void EndProgram() = 0;
    // A window's action is over, and the window has told what it had to tell: a face that holds
    // back what changed, to show it all at once, shows it now.
    virtual void ActionOver() { }
};

} // namespace palettra::toolkit
