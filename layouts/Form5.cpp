#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// clang-format off
extern const WindowLayout Form5Layout {
    .name = "Form5",
    .caption = "Form5",
    .controls = {
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 9120, .top = 1920,
         .width = 2295, .height = 375, .tab = 4, .max = 25, .value = 0,
         .accessibleName = Text("液体の Red"), .description = Text("液体の赤 (red of the liquid)")},
        {.kind = Kind::HScrollBar, .name = "HScroll2", .left = 9120, .top = 2520,
         .width = 2295, .height = 375, .tab = 3, .max = 25, .value = 0,
         .accessibleName = Text("液体の Green"), .description = Text("液体の緑 (green of the liquid)")},
        {.kind = Kind::HScrollBar, .name = "HScroll3", .left = 9120, .top = 3120,
         .width = 2295, .height = 375, .tab = 2, .max = 25, .value = 0,
         .accessibleName = Text("液体の Blue"), .description = Text("液体の青 (blue of the liquid)")},
        {.kind = Kind::CommandButton, .name = "Command1", .caption = Text("Draw"),
         .left = 8640, .top = 5280, .width = 2295, .height = 1095, .tab = 1,
         .accessibleName = Text("Draw"), .description = Text("フラスコを描く (draws the flask)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 840, .top = 1920,
         .width = 7000, .height = 7000, .tab = 0, .backColor = Fixed(0xFFFFFF), .drawnAtScreenResolution = true,
         .accessibleName = Text("丸底フラスコ (round-bottomed flask)"), .description = Text("半分まで液体の入ったフラスコ (a flask half full of the liquid)")},
        {.kind = Kind::Label, .name = "Label1", .index = 0, .caption = Text("Red"),
         .left = 8400, .top = 1920, .width = 495, .height = 375, .tab = 7, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 0, .caption = Text("Blue"),
         .left = 8400, .top = 3120, .width = 495, .height = 375, .tab = 6, .font = {12}},
        {.kind = Kind::Label, .name = "Label3", .index = 0, .caption = Text("Green"),
         .left = 8400, .top = 2520, .width = 735, .height = 375, .tab = 5, .font = {12}},
    },
};
// clang-format on

} // namespace palettra
