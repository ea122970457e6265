#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// Picture1's strip is one unit wide and 10000 high, so a row is a line from x 0 to 1
// and VScroll1's value is a row of the strip without any conversion.
// clang-format off
extern const WindowLayout Form3Layout {
    .name = "Form3",
    .caption = "Form3",
    .controls = {
        {.kind = Kind::CommandButton, .name = "Command3", .caption = Text("中間色"),
         .left = 6840, .top = 4920, .width = 735, .height = 255, .tab = 23,
         .accessibleName = Text("中間色"), .description = Text("境界を真ん中に戻す (puts the boundary back in the middle)")},
        {.kind = Kind::PictureBox, .name = "Picture4", .left = 7680, .top = 4920,
         .width = 975, .height = 255, .tab = 22,
         .accessibleName = Text("中間色 (mid colour)"), .description = Text("色 A と色 B の中間の色 (the colour halfway between A and B)")},
        {.kind = Kind::HScrollBar, .name = "HScroll7", .left = 7680, .top = 2880,
         .width = 3135, .height = 495, .tab = 19, .max = 100, .value = 0,
         .accessibleName = Text("重なり量 (overlap amount)"), .description = Text("重なりの幅 0～100 % (width of the overlap zone, 0 to 100 %)")},
        {.kind = Kind::VScrollBar, .name = "VScroll1", .left = 6240, .top = 120,
         .width = 495, .height = 9735, .tab = 17, .max = 10000, .value = 5000,
         .accessibleName = Text("境界 (boundary)"), .description = Text("色 A と色 B の境界の位置 (where colour A meets colour B)")},
        {.kind = Kind::CommandButton, .name = "Command2", .caption = Text("← Set"),
         .left = 6960, .top = 9120, .width = 855, .height = 495, .tab = 16,
         .accessibleName = Text("← Set (B)"), .description = Text("色 B を境界の下に塗る (paints colour B below the boundary)")},
        {.kind = Kind::HScrollBar, .name = "HScroll6", .left = 9480, .top = 9240,
         .width = 2295, .height = 375, .tab = 12, .max = 25, .value = 25,
         .accessibleName = Text("B の Blue"), .description = Text("色 B の青 (blue of colour B)")},
        {.kind = Kind::HScrollBar, .name = "HScroll5", .left = 9480, .top = 8880,
         .width = 2295, .height = 375, .tab = 11, .max = 25, .value = 25,
         .accessibleName = Text("B の Green"), .description = Text("色 B の緑 (green of colour B)")},
        {.kind = Kind::HScrollBar, .name = "HScroll4", .left = 9480, .top = 8520,
         .width = 2295, .height = 375, .tab = 10, .max = 25, .value = 25,
         .accessibleName = Text("B の Red"), .description = Text("色 B の赤 (red of colour B)")},
        {.kind = Kind::PictureBox, .name = "Picture3", .left = 7920, .top = 8520,
         .width = 735, .height = 1095, .tab = 9, .backColor = Fixed(0xFFFFFF),
         .accessibleName = Text("色 B (colour B)"), .description = Text("下の色 (the lower colour)")},
        {.kind = Kind::CommandButton, .name = "Command1", .caption = Text("← Set"),
         .left = 6960, .top = 360, .width = 855, .height = 495, .tab = 8,
         .accessibleName = Text("← Set (A)"), .description = Text("色 A を境界の上に塗る (paints colour A above the boundary)")},
        {.kind = Kind::HScrollBar, .name = "HScroll3", .left = 9480, .top = 1080,
         .width = 2295, .height = 375, .tab = 4, .max = 25, .value = 0,
         .accessibleName = Text("A の Blue"), .description = Text("色 A の青 (blue of colour A)")},
        {.kind = Kind::HScrollBar, .name = "HScroll2", .left = 9480, .top = 720,
         .width = 2295, .height = 375, .tab = 3, .max = 25, .value = 0,
         .accessibleName = Text("A の Green"), .description = Text("色 A の緑 (green of colour A)")},
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 9480, .top = 360,
         .width = 2295, .height = 375, .tab = 2, .max = 25, .value = 0,
         .accessibleName = Text("A の Red"), .description = Text("色 A の赤 (red of colour A)")},
        {.kind = Kind::PictureBox, .name = "Picture2", .left = 7920, .top = 360,
         .width = 735, .height = 1095, .tab = 1, .backColor = Fixed(0x000000),
         .accessibleName = Text("色 A (colour A)"), .description = Text("上の色 (the upper colour)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 360, .top = 360,
         .width = 5775, .height = 9255, .tab = 0,
         .scale = UserScale {.left = 0, .top = 0, .width = 1, .height = 10000},
         .accessibleName = Text("重なりの帯 (overlap strip)"), .description = Text("上に色 A、下に色 B (colour A above, colour B below)")},
        {.kind = Kind::Label, .name = "Label5", .index = 1, .caption = Text("100 %"),
         .left = 10920, .top = 3000, .width = 975, .height = 375, .tab = 21, .font = {15.75}},
        {.kind = Kind::Label, .name = "Label5", .index = 0, .caption = Text("0 %"),
         .left = 6840, .top = 3000, .width = 735, .height = 375, .tab = 20,
         .font = {15.75}, .alignment = Alignment::Right},
        {.kind = Kind::Label, .name = "Label4", .caption = Text("重なり量"),
         .left = 8280, .top = 2280, .width = 1695, .height = 495, .tab = 18, .font = {20.25}},
        {.kind = Kind::Label, .name = "Label3", .index = 1, .caption = Text("Green"),
         .left = 8760, .top = 8880, .width = 735, .height = 375, .tab = 15, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 1, .caption = Text("Blue"),
         .left = 8760, .top = 9240, .width = 495, .height = 375, .tab = 14, .font = {12}},
        {.kind = Kind::Label, .name = "Label1", .index = 1, .caption = Text("Red"),
         .left = 8760, .top = 8520, .width = 495, .height = 375, .tab = 13, .font = {12}},
        {.kind = Kind::Label, .name = "Label3", .index = 0, .caption = Text("Green"),
         .left = 8760, .top = 720, .width = 735, .height = 375, .tab = 7, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 0, .caption = Text("Blue"),
         .left = 8760, .top = 1080, .width = 495, .height = 375, .tab = 6, .font = {12}},
        {.kind = Kind::Label, .name = "Label1", .index = 0, .caption = Text("Red"),
         .left = 8760, .top = 360, .width = 495, .height = 375, .tab = 5, .font = {12}},
    },
};
// clang-format on

} // namespace palettra
