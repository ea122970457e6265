#include "web/WebWindow.h"

#include "texts/Message.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/layout/TitleBar.h"
#include "web/Css.h"
#include "web/Decorations.h"
#include "web/WebFace.h"

namespace palettra::web {

using namespace toolkit;

namespace {

    // The page's names for the title bar's buttons.
    const char* Named(TitleButton button)
    {
        switch (button) {
        case TitleButton::Help:
            return "help";
        case TitleButton::ZoomOut:
            return "zoomOut";
        case TitleButton::ZoomIn:
            return "zoomIn";
        case TitleButton::FullScreen:
            return "fullScreen";
        case TitleButton::Maximise:
            return "maximise";
        case TitleButton::Close:
            break;
        }
        return "close";
    }

    emscripten::val TitleButtons(const WindowLayout& layout)
    {
        emscripten::val buttons = emscripten::val::array();
        for (const TitleButton button : TitleBarButtons(layout))
            buttons.call<void>("push",
                Props()
                    .Set("kind", Named(button))
                    .Set("name", TitleButtonName(button))
                    .Set("onName", TitleButtonName(button, true))
                    .Object());
        return buttons;
    }

    Props WindowProps(const WindowLayout& layout)
    {
        return std::move(Props()
                             .Set("name", layout.name)
                             .Set("caption", layout.caption)
                             .Set("accessibleName", WindowName(layout))
                             .Set("buttons", TitleButtons(layout))
                             .Set("background", Css(layout.backColor)));
    }

    // The page has one message box for all its windows.
    void ShowMessage(Page& page, const texts::Message& message)
    {
        page.Call("showMessage", message.title, message.text, texts::MessageBoxButton());
    }

    Props PlaceProps(const Rect& place)
    {
        return std::move(Props()
                             .Set("left", place.left)
                             .Set("top", place.top)
                             .Set("width", place.width)
                             .Set("height", place.height));
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

WebWindow::~WebWindow() { Call("destroyWindow"); }

void WebWindow::Open(const Rect& place) { Call("showWindow", PlaceProps(place).Object()); }

void WebWindow::BringToFront() { Call("showWindow"); }

void WebWindow::Hide() { Call("hideWindow"); }

// The page's windows have no frame to drag larger, so a new size always comes from a zoom step.
void WebWindow::ResizeClient(Size client)
{
    window_.Resize(client);
    Call("setClientSize", client.width, client.height, window_.ZoomFactor());
}

void WebWindow::Place(const Rect& place, bool maximised)
{
    window_.Resize({ place.width, place.height });
    Call("placeWindow", PlaceProps(place).Object(), maximised, window_.ZoomFactor());
}

void WebWindow::ShowDecorations(const std::vector<Decoration>& decorations)
{
    Call("showDecorations", PageDecorations(decorations));
}

void WebWindow::SetFocusOrder(const std::vector<ControlPeer*>& order)
{
    emscripten::val ids = emscripten::val::array();
    for (ControlPeer* peer : order)
        ids.call<void>("push", dynamic_cast<PageObject&>(*peer).Id());
    Call("setFocusOrder", ids);
}

void WebWindow::ReportError(const common::RuntimeError&, const texts::Message& report)
{
    ShowMessage(face_.ThePage(), report);
}

void WebWindow::ShowHelp(const texts::Message& help) { ShowMessage(face_.ThePage(), help); }

// The page has one live region for all its windows.
void WebWindow::Announce(const std::string& text) { face_.ThePage().Later(Page::Change::Announcement, 0, 0, 0, text); }

} // namespace palettra::web
