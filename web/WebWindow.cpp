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

    // `lang` is the language the button's name is in: the switch's is the language it switches to.
    emscripten::val TitleButtons(const WindowLayout& layout, const texts::Language& language)
    {
        emscripten::val buttons = emscripten::val::array();
        for (const TitleButton button : TitleBarButtons(layout))
            buttons.call<void>("push",
                Props()
                    .Set("kind", TitleButtonKey(button))
                    .Set("name", TitleButtonName(button, language))
                    .Set("onName", TitleButtonName(button, language, true))
                    .Set("lang",
                        std::string(button == TitleButton::Language ? NextAfter(language).Tag() : language.Tag()))
                    .Object());
        return buttons;
    }

    // What the window's frame says, in the window's language.
    Props TitleProps(const Window& window)
    {
        const WindowLayout& layout = window.Layout();
        return std::move(Props()
                             .Set("caption", WindowTitle(layout, window.Language()))
                             .Set("accessibleName", WindowName(layout, window.Language()))
                             .Set("buttons", TitleButtons(layout, window.Language())));
    }

    // The page has one message box for all its windows.
    void ShowMessage(Page& page, const texts::Message& message, const texts::Language& language)
    {
        page.Call("showMessage", message.title, message.text, texts::MessageBoxButton(language));
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
    Call("createWindow",
        TitleProps(window)
            .Set("name", window.Layout().name)
            .Set("background", Css(window.Layout().backColor))
            .Object());
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

void WebWindow::ShowTitle(const std::string&, const std::string&)
{
    Call("retitleWindow", TitleProps(window_).Object());
}

void WebWindow::ReportError(const common::RuntimeError&, const texts::Message& report)
{
    ShowMessage(face_.ThePage(), report, window_.Language());
}

void WebWindow::ShowHelp(const texts::Message& help) { ShowMessage(face_.ThePage(), help, window_.Language()); }

// The page has one live region for all its windows.
void WebWindow::Announce(const std::string& text) { face_.ThePage().Later(Page::Change::Announcement, 0, 0, 0, text); }

} // namespace palettra::web
