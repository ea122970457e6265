#pragma once

#include "toolkit/Face.h"
#include "web/Page.h"
#include "web/PageObject.h"

#include <set>
#include <unordered_map>

namespace palettra::web {

// The core's windows as elements of a web page: every window and control is shown by the page's
// script under an id, and the user's actions come back by that id.
class WebFace : public toolkit::Face {
public:
    explicit WebFace(Page& page)
        : page_(page)
    {
    }

    std::unique_ptr<toolkit::WindowPeer> MakePeer(toolkit::Window& window) override;
    std::unique_ptr<toolkit::ScrollBarPeer> MakePeer(toolkit::ScrollBar& bar) override;
    std::unique_ptr<toolkit::LabelPeer> MakePeer(toolkit::Label& label) override;
    std::unique_ptr<toolkit::ButtonPeer> MakePeer(toolkit::CommandButton& button) override;
    std::unique_ptr<toolkit::PicturePeer> MakePeer(toolkit::PictureBox& picture) override;

    // A page cannot tell whether a screen reader reads it, so it always has something to read.
    bool AssistiveToolsListen() const override { return true; }
    void EndProgram() override { page_.End(Language()); }

    Page& ThePage() const { return page_; }

    int Enrol(PageObject& object);
    void Leave(int id);
    // The window or control the page knows by this id, if it is still there and of that kind.
    template <typename Kind> Kind* Find(int id) const
    {
        const auto found = objects_.find(id);
        return found == objects_.end() ? nullptr : dynamic_cast<Kind*>(found->second);
    }

    // A picture that changed is shown again once the action is over, however often it was drawn on.
    void ShowLater(const PageObject& picture) { changed_.insert(picture.Id()); }
    // Shows what an action changed: the pictures, then every change held back, in one update.
    void ShowChanges();

private:
    Page& page_;
    std::unordered_map<int, PageObject*> objects_;
    int lastId_ = 0;
    std::set<int> changed_;
};

} // namespace palettra::web
