#include "web/WebFace.h"

#include "web/WebButton.h"
#include "web/WebLabel.h"
#include "web/WebPicture.h"
#include "web/WebScrollBar.h"
#include "web/WebWindow.h"

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
    const std::set<int> changed = std::move(changed_);
    changed_.clear();
    for (int id : changed)
        if (auto* picture = Find<WebPicture>(id))
            picture->Show();
    page_.Flush();
}

} // namespace palettra::web
