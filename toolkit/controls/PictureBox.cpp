#include "toolkit/controls/PictureBox.h"

#include "common/ColourText.h"
#include "toolkit/Face.h"
#include "toolkit/Window.h"
#include "toolkit/layout/Twips.h"
#include "toolkit/picture/StoredPicture.h"

namespace palettra::toolkit {

namespace {

    Size InnerPixels(const ControlLayout& layout)
    {
        return { Pixels(layout.width) - 2 * PictureBox::Border, Pixels(layout.height) - 2 * PictureBox::Border };
    }

} // namespace

PictureBox::PictureBox(Window& owner, const ControlLayout& layout)
    : Control(owner, layout)
    , model_(InnerPixels(layout), layout, owner.Platform().Strokes(), StoredPicture(layout.picture))
    , peer_(owner.Platform().MakePeer(*this))
{
    model_.OnChange([this] { peer_->ShowChange(); });
}

Outcome BackColourOf(const PictureBox& swatch)
{
    return [&swatch] { return common::ColourText(swatch.BackColor(), swatch.Owner().Language()); };
}

} // namespace palettra::toolkit
