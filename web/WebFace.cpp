#include "web/WebFace.h"

#include "web/EmbeddedPictures.h"
#include "web/WebButton.h"
#include "web/WebLabel.h"
#include "web/WebPicture.h"
#include "web/WebScrollBar.h"
#include "web/WebWindow.h"

#include <algorithm>

namespace palettra::web {

using namespace toolkit;

std::unique_ptr<WindowPeer> WebFace::MakePeer(Window& window) { return std::make_unique<WebWindow>(*this, window); }

std::unique_ptr<ScrollBarPeer> WebFace::MakePeer(ScrollBar& bar) { return std::make_unique<WebScrollBar>(*this, bar); }

std::unique_ptr<LabelPeer> WebFace::MakePeer(Label& label) { return std::make_unique<WebLabel>(*this, label); }

std::unique_ptr<ButtonPeer> WebFace::MakePeer(CommandButton& button)
{
    return std::make_unique<WebButton>(*this, button);
}

std::unique_ptr<PicturePeer> WebFace::MakePeer(PictureBox& picture)
{
    return std::make_unique<WebPicture>(*this, picture);
}

// The page carries its pictures already decoded, so that every browser shows the desktop's pixels.
PixelBuffer WebFace::StoredPicture(const std::string& name)
{
    const auto found = std::find_if(EmbeddedPictures.begin(), EmbeddedPictures.end(),
        [&](const EmbeddedPicture& picture) { return picture.name == name; });
    if (found == EmbeddedPictures.end())
        return {};
    PixelBuffer pixels({ found->width, found->height });
    const unsigned char* rgb = found->rgb;
    Pixel* to = pixels.Data();
    for (int i = 0; i < found->width * found->height; ++i, rgb += 3)
        to[i] = 0xFF000000u | static_cast<Pixel>(rgb[0]) << 16 | static_cast<Pixel>(rgb[1]) << 8 | rgb[2];
    return pixels;
}

int WebFace::Enrol(PageObject& object)
{
    objects_[++lastId_] = &object;
    return lastId_;
}

void WebFace::Leave(int id)
{
    objects_.erase(id);
    changed_.erase(id);
}

void WebFace::ShowChanges()
{
    page_.Flush();
    const std::set<int> changed = std::move(changed_);
    changed_.clear();
    for (int id : changed)
        if (auto* picture = Find<WebPicture>(id))
            picture->Show();
}

} // namespace palettra::web
