#pragma once

#include "toolkit/controls/PictureBox.h"
#include "web/WebControl.h"

#include <cstdint>
#include <vector>

namespace palettra::web {

// A picture box of the page: a canvas inside the sunken border, which the page paints at the
// device's resolution from the model's pixels, or, for a figure kept as its drawing calls, from those.
class WebPicture : public WebControl<toolkit::PicturePeer> {
public:
    WebPicture(WebFace& face, toolkit::PictureBox& picture);

    void ShowChange() override { face_.ShowLater(*this); }
    // Hands the page the picture as it now stands.
    void Show();

private:
    toolkit::PictureBox& picture_;
    std::vector<std::uint32_t> bytes_; // red, green, blue and alpha, as a canvas takes them
    std::vector<double> figure_;
};

} // namespace palettra::web
