#include "headless/HeadlessFace.h"

#include "headless/JpegFile.h"

namespace palettra::headless {

using namespace toolkit;

namespace {

    template <typename Peer> class Unseen : public Peer {
    public:
        void Place(const Rect&, double) override { }
        void Describe(const std::string&) override { }
    };

    class UnseenBar : public Unseen<ScrollBarPeer> {
    public:
        void ShowValue(int) override { }
    };

    class UnseenLabel : public Unseen<LabelPeer> {
    public:
        void ShowCaption(const std::string&) override { }
    };

    class UnseenPicture : public Unseen<PicturePeer> {
    public:
        void ShowChange() override { }
    };

    class UnseenWindow : public WindowPeer {
    public:
        explicit UnseenWindow(HeadlessFace& face)
            : face_(face)
        {
        }
        void Open() override { }
        void Hide() override { }
        void ResizeClient(Size) override { }
        void SetFocusOrder(const std::vector<ControlPeer*>&) override { }
        void ReportError(const common::RuntimeError& error) override { face_.errors.push_back(error.Code()); }
        void Announce(const std::string& text) override { face_.announcements.push_back(text); }

    private:
        HeadlessFace& face_;
    };

} // namespace

std::unique_ptr<WindowPeer> HeadlessFace::MakePeer(Window&) { return std::make_unique<UnseenWindow>(*this); }
std::unique_ptr<ScrollBarPeer> HeadlessFace::MakePeer(ScrollBar&) { return std::make_unique<UnseenBar>(); }
std::unique_ptr<LabelPeer> HeadlessFace::MakePeer(Label&) { return std::make_unique<UnseenLabel>(); }
std::unique_ptr<ButtonPeer> HeadlessFace::MakePeer(CommandButton&) { return std::make_unique<Unseen<ButtonPeer>>(); }
std::unique_ptr<PicturePeer> HeadlessFace::MakePeer(PictureBox&) { return std::make_unique<UnseenPicture>(); }

PixelBuffer HeadlessFace::StoredPicture(const std::string& name) { return ReadJpeg(AssetPath(name)); }

} // namespace palettra::headless
