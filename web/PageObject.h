#pragma once

namespace palettra::web {

class WebFace;

// Whatever of the program the page shows under an id of its own: a window or a control. The page
// names it by that id when it reports the user's action on it, and the face finds it again by it.
class PageObject {
public:
    explicit PageObject(WebFace& face);
    virtual ~PageObject();
    PageObject(const PageObject&) = delete;
    PageObject& operator=(const PageObject&) = delete;

    int Id() const { return id_; }

protected:
    WebFace& face_;

private:
    int id_;
};

} // namespace palettra::web
