#pragma once

#include "toolkit/Window.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/controls/Control.h"
#include "toolkit/layout/Geometry.h"
#include "web/Page.h"
#include "web/PageObject.h"
#include "web/WebFace.h"

#include <string>
#include <string_view>

namespace palettra::web {

// The page's id of the window a control belongs to: every window of this face is a page object.
inline int WindowIdOf(const toolkit::Control& control)
{
    return dynamic_cast<const PageObject&>(control.Owner().Peer()).Id();
}

// What every control of the page has: an element made from its kind's properties, a box at the
// window's zoom, and what assistive tools are told about it.
template <typename Peer> class WebControl : public Peer, public PageObject {
public:
    WebControl(WebFace& face, const toolkit::Control& control, Props props)
        : PageObject(face)
        , window_(WindowIdOf(control))
        , described_(toolkit::Purpose(control.Layout(), control.Owner().Language()))
    {
        const toolkit::ControlLayout& layout = control.Layout();
        // A label without a fixed name is named by what it shows, as the page's elements are.
        if (const std::string name = toolkit::FixedName(layout, control.Owner().Language()); !name.empty())
            props.Set("name", name);
        props.Set("control", layout.name)
            .Set("index", layout.index)
            .Set("tab", layout.tab)
            .Set("description", described_);
        Call("createControl", props.Object());
    }
    ~WebControl() override { Call("destroyControl"); }

    void Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach& touch) override
    {
        Call("placeControl",
            Props()
                .Set("left", box.left)
                .Set("top", box.top)
                .Set("width", box.width)
                .Set("height", box.height)
                .Set("zoom", zoom)
                .Set("fontPixels", FontPixels(zoom))
                .Set("touch",
                    Props()
                        .Set("left", touch.left)
                        .Set("top", touch.top)
                        .Set("right", touch.right)
                        .Set("bottom", touch.bottom)
                        .Object())
                .Object());
    }
    // The window describes every control after each action, and most say what they said before:
    // telling the page again would cost a string's decoding and a change to the document for nothing.
    void Describe(const std::string& description) override
    {
        if (description == described_)
            return;
        described_ = description;
        Later(Page::Change::Description, 0, description);
    }
    void Rename(const std::string& name) override { Later(Page::Change::Name, 0, name); }

protected:
    // The pixel size of its text at a zoom; 0 for a control without text.
    virtual int FontPixels(double) const { return 0; }

    // Calls the page about this control: the window's id and its own come first.
    template <typename... Arguments> void Call(const char* function, Arguments&&... arguments)
    {
        face_.ThePage().Call(function, window_, Id(), std::forward<Arguments>(arguments)...);
    }

    // A change of this control that waits until the action is over.
    void Later(Page::Change change, int value, std::string_view text)
    {
        face_.ThePage().Later(change, window_, Id(), value, text);
    }

private:
    int window_;
    std::string described_; // what the page shows as its description
};

} // namespace palettra::web
