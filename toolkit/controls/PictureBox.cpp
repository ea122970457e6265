#include "toolkit/controls/PictureBox.h"

#include "common/ColourText.h"
#include "toolkit/Face.h"
#include "toolkit/Window.h"
#include "toolkit/layout/Twips.h"

namespace palettra::toolkit {

namespace {

    Size InnerPixels(const ControlLayout& layout)
    {
        return { Pixels(layout.width) - 2 * PictureBox::Border, Pixels(layout.height) - 2 * PictureBox::Border };
    }

    PixelBuffer StoredPicture(Face& face, const ControlLayout& layout)
    {
        return layout.picture.empty() ? PixelBuffer() : face.StoredPicture(layout.picture);
    }

} // namespace

PictureBox::PictureBox(Window& owner, const ControlLayout& layout)
    : Control(owner, layout)
    , model_(InnerPixels(layout), layout, owner.Platform().Strokes(), StoredPicture(owner.Platform(), layout))
    , peer_(owner.Platform().MakePeer(*this))
{
    model_.OnChange([this] { peer_->ShowChange(); });
}

Outcome BackColourOf(const PictureBox& swatch)
{
    return [&swatch] { return common::ColourText(swatch.BackColor()); };
}

} // namespace palettra::toolkit
