#include "headless/HeadlessFace.h"

#include "toolkit/Window.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/PictureBox.h"
#include "toolkit/controls/ScrollBar.h"

namespace palettra::headless {

using namespace toolkit;

namespace {

    // A control's peer keeps its description where the tests read it, as long as the control exists.
    template <typename Peer> class Unseen : public Peer {
    public:
        Unseen(HeadlessFace& face, const Control& control)
            : face_(face)
            , control_(control)
        {
        }
        ~Unseen() override
        {
            face_.descriptions.erase(&control_);
            face_.names.erase(&control_);
        }
        void Place(const Rect&, double, const TouchReach&) override { }
        void Describe(const std::string& description) override { face_.descriptions[&control_] = description; }
        void Rename(const std::string& name) override { face_.names[&control_] = name; }

    protected:
        HeadlessFace& face_;
        const Control& control_;
    };

    class UnseenBar : public Unseen<ScrollBarPeer> {
    public:
        using Unseen::Unseen;
        ~UnseenBar() override { face_.thumbs.erase(&control_); }
        void ShowValue(int value) override { face_.thumbs[&control_] = value; }
        void ShowThumb(int value) override { face_.thumbs[&control_] = value; }
    };

    // A label or a button: its caption is read off the core's control.
    template <typename Peer> class UnseenCaptioned : public Unseen<Peer> {
    public:
        using Unseen<Peer>::Unseen;
        void ShowCaption(const std::string&) override { }
    };

    class UnseenPicture : public Unseen<PicturePeer> {
    public:
        using Unseen::Unseen;
        void ShowChange() override { }
    };

    class UnseenWindow : public WindowPeer {
    public:
        UnseenWindow(HeadlessFace& face, Window& window)
            : face_(face)
            , window_(window)
        {
        }
        void Open(const Rect& place) override { face_.openings.push_back(place); }
        void BringToFront() override { }
        void Hide() override { }
        void ResizeClient(Size client) override { window_.Resize(client); }
        void Place(const Rect& place, bool maximised) override
        {
            face_.placings.push_back({ place, maximised });
            window_.Resize({ place.width, place.height });
        }
        void ShowTitle(const std::string& title, const std::string&) override { face_.titles[&window_] = title; }
        void ShowDecorations(const std::vector<Decoration>&) override { }
        void SetFocusOrder(const std::vector<ControlPeer*>&) override { }
        void ReportError(const common::RuntimeError& error, const texts::Message& report) override
        {
            face_.errors.push_back(error.Code());
            face_.messages.push_back(report);
        }
        void ShowHelp(const texts::Message& help) override { face_.messages.push_back(help); }
        void Announce(const std::string& text) override { face_.announcements.push_back(text); }

    private:
        HeadlessFace& face_;
        Window& window_;
    };

} // namespace

std::unique_ptr<WindowPeer> HeadlessFace::MakePeer(Window& window)
{
    return std::make_unique<UnseenWindow>(*this, window);
}
std::unique_ptr<ScrollBarPeer> HeadlessFace::MakePeer(ScrollBar& bar)
{
    return std::make_unique<UnseenBar>(*this, bar);
}
std::unique_ptr<LabelPeer> HeadlessFace::MakePeer(Label& label)
{
    return std::make_unique<UnseenCaptioned<LabelPeer>>(*this, label);
}
std::unique_ptr<ButtonPeer> HeadlessFace::MakePeer(CommandButton& button)
{
    return std::make_unique<UnseenCaptioned<ButtonPeer>>(*this, button);
}
std::unique_ptr<PicturePeer> HeadlessFace::MakePeer(PictureBox& picture)
{
    return std::make_unique<UnseenPicture>(*this, picture);
}

} // namespace palettra::headless
