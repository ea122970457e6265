#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// The window shares its title with Form4; only its name tells them apart.
// clang-format off
extern const WindowLayout Form6Layout {
    .name = "Form6",
    .caption = "Form4",
    .controls = {
        {.kind = Kind::CommandButton, .name = "Command2", .caption = Text("色 ちぇ～んじ"),
         .left = 8040, .top = 6600, .width = 3735, .height = 735, .tab = 8,
         .accessibleName = Text("色 ちぇ～んじ"), .description = Text("見つけた点を選んだ色で塗る (repaints the found points in the chosen colour)")},
        {.kind = Kind::CommandButton, .name = "Command1", .caption = Text("初期設定"),
         .left = 8040, .top = 5400, .width = 3735, .height = 855, .tab = 7,
         .accessibleName = Text("初期設定"), .description = Text("キーの色の点を探す (finds the points of the key colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 8400, .top = 3360,
         .width = 2295, .height = 375, .tab = 3, .max = 25, .value = 25,
         .accessibleName = Text("新しい色の Red"), .description = Text("新しい色の赤 (red of the new colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll2", .left = 8400, .top = 3720,
         .width = 2295, .height = 375, .tab = 2, .max = 25, .value = 0,
         .accessibleName = Text("新しい色の Green"), .description = Text("新しい色の緑 (green of the new colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll3", .left = 8400, .top = 4080,
         .width = 2295, .height = 375, .tab = 1, .max = 25, .value = 0,
         .accessibleName = Text("新しい色の Blue"), .description = Text("新しい色の青 (blue of the new colour)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 2760, .top = 1440,
         .width = 4260, .height = 7500, .tab = 0, .picture = "apparatus.jpg",
         .accessibleName = Text("実験装置の絵 (apparatus picture)"), .description = Text("液体が青で描かれた実験装置 (glassware whose liquid is drawn in blue)")},
        {.kind = Kind::Label, .name = "Label1", .index = 0, .caption = Text("Red"),
         .left = 7680, .top = 3360, .width = 495, .height = 375, .tab = 6, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 0, .caption = Text("Blue"),
         .left = 7680, .top = 4080, .width = 495, .height = 375, .tab = 5, .font = {12}},
        {.kind = Kind::Label, .name = "Label3", .index = 0, .caption = Text("Green"),
         .left = 7680, .top = 3720, .width = 735, .height = 375, .tab = 4, .font = {12}},
    },
};
// clang-format on

} // namespace palettra
