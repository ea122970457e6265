#include "web/WebWindow.h"

#include "toolkit/access/KeyboardHelp.h"
#include "toolkit/layout/Twips.h"
#include "toolkit/layout/Zoom.h"
#include "web/Css.h"
#include "web/Decorations.h"
#include "web/WebFace.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    Props WindowProps(const WindowLayout& layout)
    {
        const Size client = ClientSize(layout, 1);
        return std::move(
            Props()
                .Set("name", layout.name)
                .Set("caption", layout.caption)
                .Set("accessibleName", layout.accessibleName.empty() ? layout.caption : layout.accessibleName)
                .Set("left", Pixels(layout.left))
                .Set("top", Pixels(layout.top))
                .Set("width", client.width)
                .Set("height", client.height)
                .Set("background", Css(layout.backColor))
                .Set("help", KeyboardHelpText(layout))
                .Set("decorations", Decorations(layout)));
    }

} // namespace

template <typename... Arguments> void WebWindow::Call(const char* function, Arguments&&... arguments)
{
    face_.ThePage().Call(function, Id(), std::forward<Arguments>(arguments)...);
}

WebWindow::WebWindow(WebFace& face, Window& window)
    : PageObject(face)
    , window_(window)
{
    Call("createWindow", WindowProps(window.Layout()).Object());
}

WebWindow::~WebWindow()
{
    face_.Closed(*this);
    Call("destroyWindow");
}

void WebWindow::Zoom(int step)
{
    const double factor = window_.ZoomFactor();
    window_.ZoomTo(step > 0 ? StepUp(factor) : step < 0 ? StepDown(factor) : 1);
}

void WebWindow::Open()
{
    face_.Opened(*this);
    Call("showWindow");
}

void WebWindow::Hide()
{
    face_.Closed(*this);
    Call("hideWindow");
}

// The page's windows have no frame to drag larger, so a new size always comes from a zoom step.
void WebWindow::ResizeClient(Size client)
{
    window_.Resize(client);
    Call("setClientSize", client.width, client.height, window_.ZoomFactor());
}

void WebWindow::SetFocusOrder(const std::vector<ControlPeer*>& order)
{
    emscripten::val ids = emscripten::val::array();
    for (ControlPeer* peer : order)
        ids.call<void>("push", dynamic_cast<PageObject&>(*peer).Id());
    Call("setFocusOrder", ids);
}

// The page has one report and one live region for all its windows.
void WebWindow::ReportError(const common::RuntimeError& error)
{
    face_.ThePage().Call("reportError", error.Code(), std::string(error.what()));
}

void WebWindow::Announce(const std::string& text) { face_.ThePage().Later(Page::Change::Announcement, 0, 0, 0, text); }

} // namespace palettra::web
