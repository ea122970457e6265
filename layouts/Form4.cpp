#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// clang-format off
extern const WindowLayout Form4Layout {
    .name = "Form4",
    .caption = "Form4",
    .controls = {
        {.kind = Kind::PictureBox, .name = "Picture2", .left = 8040, .top = 840,
         .width = 735, .height = 1095, .tab = 8, .backColor = Fixed(0x000000),
         .accessibleName = Text("外部の色 (outer colour)"), .description = Text("外側の色 (the colour at the border)")},
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 9600, .top = 840,
         .width = 2295, .height = 375, .tab = 7, .max = 25, .value = 0,
         .accessibleName = Text("外部の Red"), .description = Text("外側の色の赤 (red of the outer colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll2", .left = 9600, .top = 1200,
         .width = 2295, .height = 375, .tab = 6, .max = 25, .value = 0,
         .accessibleName = Text("外部の Green"), .description = Text("外側の色の緑 (green of the outer colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll3", .left = 9600, .top = 1560,
         .width = 2295, .height = 375, .tab = 5, .max = 25, .value = 0,
         .accessibleName = Text("外部の Blue"), .description = Text("外側の色の青 (blue of the outer colour)")},
        {.kind = Kind::PictureBox, .name = "Picture3", .left = 8040, .top = 2760,
         .width = 735, .height = 1095, .tab = 4, .backColor = Fixed(0xFFFFFF),
         .accessibleName = Text("内部の色 (inner colour)"), .description = Text("内側の色 (the colour at the centre)")},
        {.kind = Kind::HScrollBar, .name = "HScroll4", .left = 9600, .top = 2760,
         .width = 2295, .height = 375, .tab = 3, .max = 25, .value = 25,
         .accessibleName = Text("内部の Red"), .description = Text("内側の色の赤 (red of the inner colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll5", .left = 9600, .top = 3120,
         .width = 2295, .height = 375, .tab = 2, .max = 25, .value = 25,
         .accessibleName = Text("内部の Green"), .description = Text("内側の色の緑 (green of the inner colour)")},
        {.kind = Kind::HScrollBar, .name = "HScroll6", .left = 9600, .top = 3480,
         .width = 2295, .height = 375, .tab = 1, .max = 25, .value = 25,
         .accessibleName = Text("内部の Blue"), .description = Text("内側の色の青 (blue of the inner colour)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 360, .top = 360,
         .width = 7500, .height = 7500, .tab = 0,
         .accessibleName = Text("正方形のグラデーション (square gradient)"), .description = Text("内側の色から外側の色へ (from the inner colour to the outer colour)")},
        {.kind = Kind::Label, .name = "Label5", .caption = Text("内部"),
         .left = 8040, .top = 2280, .width = 1575, .height = 495, .tab = 16, .font = {20.25}},
        {.kind = Kind::Label, .name = "Label4", .caption = Text("外部"),
         .left = 8040, .top = 360, .width = 1575, .height = 495, .tab = 15, .font = {20.25}},
        {.kind = Kind::Label, .name = "Label1", .index = 0, .caption = Text("Red"),
         .left = 8880, .top = 840, .width = 495, .height = 375, .tab = 14, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 0, .caption = Text("Blue"),
         .left = 8880, .top = 1560, .width = 495, .height = 375, .tab = 13, .font = {12}},
        {.kind = Kind::Label, .name = "Label3", .index = 0, .caption = Text("Green"),
         .left = 8880, .top = 1200, .width = 735, .height = 375, .tab = 12, .font = {12}},
        {.kind = Kind::Label, .name = "Label1", .index = 1, .caption = Text("Red"),
         .left = 8880, .top = 2760, .width = 495, .height = 375, .tab = 11, .font = {12}},
        {.kind = Kind::Label, .name = "Label2", .index = 1, .caption = Text("Blue"),
         .left = 8880, .top = 3480, .width = 495, .height = 375, .tab = 10, .font = {12}},
        {.kind = Kind::Label, .name = "Label3", .index = 1, .caption = Text("Green"),
         .left = 8880, .top = 3120, .width = 735, .height = 375, .tab = 9, .font = {12}},
    },
};
// clang-format on

} // namespace palettra
