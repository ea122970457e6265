#include "desktop/DesktopFace.h"

#include "desktop/ButtonWidget.h"
#include "desktop/LabelWidget.h"
#include "desktop/ListeningTools.h"
#include "desktop/PictureView.h"
#include "desktop/ScrollBarWidget.h"
#include "desktop/WindowWidget.h"
#include "toolkit/access/AccessibleName.h"

#include <QCoreApplication>

namespace palettra::desktop {

using namespace toolkit;

namespace {

    // Every window of this face is shown by a WindowWidget, the parent of its controls' widgets.
    QWidget& WidgetOf(const Window& window) { return static_cast<WindowWidget&>(window.Peer()); }

    // What the core says a control is called and is for; a label without a fixed name is left to Qt,
    // which names it by the caption it shows now.
    template <typename Widget> std::unique_ptr<Widget> Named(std::unique_ptr<Widget> widget, const Control& control)
    {
        const texts::Language& language = control.Owner().Language();
        if (const std::string name = FixedName(control.Layout(), language); !name.empty())
            widget->setAccessibleName(QString::fromStdString(name));
        const std::string_view purpose = Purpose(control.Layout(), language);
        widget->setAccessibleDescription(QString::fromUtf8(purpose.data(), static_cast<qsizetype>(purpose.size())));
        widget->show();
        return widget;
    }

} // namespace

std::unique_ptr<WindowPeer> DesktopFace::MakePeer(Window& window) { return std::make_unique<WindowWidget>(window); }

std::unique_ptr<ScrollBarPeer> DesktopFace::MakePeer(ScrollBar& bar)
{
    return Named(std::make_unique<ScrollBarWidget>(bar, WidgetOf(bar.Owner())), bar);
}

std::unique_ptr<LabelPeer> DesktopFace::MakePeer(Label& label)
{
    return Named(std::make_unique<LabelWidget>(label, WidgetOf(label.Owner())), label);
}

std::unique_ptr<ButtonPeer> DesktopFace::MakePeer(CommandButton& button)
{
    return Named(std::make_unique<ButtonWidget>(button, WidgetOf(button.Owner())), button);
}

std::unique_ptr<PicturePeer> DesktopFace::MakePeer(PictureBox& picture)
{
    return Named(std::make_unique<PictureView>(picture, WidgetOf(picture.Owner())), picture);
}

bool DesktopFace::AssistiveToolsListen() const { return desktop::AssistiveToolsListen(); }

// "End" quits at once: the event loop stops and no further events are delivered.
void DesktopFace::EndProgram() { QCoreApplication::exit(0); }

} // namespace palettra::desktop
