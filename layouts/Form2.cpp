#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// clang-format off
extern const WindowLayout Form2Layout {
    .name = "Form2",
    .caption = Text("RGB → 1677万色"),
    .controls = {
        {.kind = Kind::HScrollBar, .name = "HScroll3", .left = 5400, .top = 5880,
         .width = 5775, .height = 615, .tab = 3, .max = 255, .value = 0,
         .accessibleName = Text("青 (Blue)"), .description = Text("青の強さ 0～255 (blue channel, 0 to 255)")},
        {.kind = Kind::HScrollBar, .name = "HScroll2", .left = 5400, .top = 3840,
         .width = 5775, .height = 615, .tab = 2, .max = 255, .value = 0,
         .accessibleName = Text("緑 (Green)"), .description = Text("緑の強さ 0～255 (green channel, 0 to 255)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 480, .top = 600,
         .width = 4695, .height = 8055, .tab = 1, .backColor = Fixed(0x000000),
         .accessibleName = Text("色の表示 (colour display)"), .description = Text("三つのチャンネルを混ぜた色 (the colour mixed from the three channels)")},
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 5400, .top = 1560,
         .width = 5775, .height = 615, .tab = 0, .max = 255, .value = 0,
         .accessibleName = Text("赤 (Red)"), .description = Text("赤の強さ 0～255 (red channel, 0 to 255)")},
        {.kind = Kind::Label, .name = "Label4", .caption = "000000",
         .left = 8040, .top = 8400, .width = 3975, .height = 855, .tab = 9, .font = {36}},
        {.kind = Kind::Label, .name = "Label3", .caption = Text("16進数="),
         .left = 5400, .top = 8400, .width = 2655, .height = 855, .tab = 8, .font = {36}},
        {.kind = Kind::Label, .name = "Label2", .caption = "RGB = (0,0,0)",
         .left = 5400, .top = 7560, .width = 6375, .height = 855, .tab = 7, .font = {36}},
        {.kind = Kind::Label, .name = "Label1", .index = 2, .caption = Text("Green (緑)"),
         .left = 5400, .top = 3360, .width = 2295, .height = 615, .tab = 6,
         .foreColor = Fixed(0x008000), .font = {24, Weight::Bold}},
        {.kind = Kind::Label, .name = "Label1", .index = 1, .caption = Text("Blue (青)"),
         .left = 5400, .top = 5400, .width = 1935, .height = 495, .tab = 5,
         .foreColor = Fixed(0xC00000), .font = {24, Weight::Bold}},
        {.kind = Kind::Label, .name = "Label1", .index = 0, .caption = Text("Red (赤)"),
         .left = 5400, .top = 1080, .width = 2055, .height = 615, .tab = 4,
         .foreColor = Fixed(0x0000FF), .font = {24, Weight::Bold}},
    },
};
// clang-format on

} // namespace palettra
