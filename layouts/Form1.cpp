#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// Lines 1-6 with indexes 0 and 1 are the pipe from the blue disc to the nozzle at
// (4740, 2640); indexes 2 and 3 are the same pipe from the red disc to (6540, 2640).
// Line7 and Line8 are the vessel's sides and bottom around Picture1.
// clang-format off
extern const WindowLayout Form1Layout {
    .name = "Form1",
    .caption = "Form1",
    .controls = {
        {.kind = Kind::HScrollBar, .name = "HScroll1", .left = 3960, .top = 2760,
         .width = 3375, .height = 495, .tab = 0, .max = 100, .value = 50,
         .accessibleName = Text("赤の割合 (red share)"), .description = Text("赤の割合をパーセントで、残りは青 (red share in percent; the rest is blue)")},
        {.kind = Kind::PictureBox, .name = "Picture1", .left = 3900, .top = 4150,
         .width = 3615, .height = 5055, .tab = 1,
         .backColor = WindowBackgroundColour, .foreColor = WindowTextColour,
         .accessibleName = Text("混ざった色 (mixed colour)"), .description = Text("赤と青を混ぜた色 (red and blue mixed in the chosen share)")},
        {.kind = Kind::Label, .name = "Label3", .index = 1, .caption = Text("％"),
         .left = 8880, .top = 2760, .width = 375, .height = 375, .tab = 5, .font = {15.75}},
        {.kind = Kind::Label, .name = "Label3", .index = 0, .caption = Text("％"),
         .left = 3480, .top = 2760, .width = 255, .height = 375, .tab = 4, .font = {15.75}},
        {.kind = Kind::Label, .name = "Label2", .caption = "50",
         .left = 7560, .top = 2520, .width = 1215, .height = 735, .tab = 3,
         .font = {36}, .alignment = Alignment::Right},
        {.kind = Kind::Label, .name = "Label1", .caption = "50",
         .left = 2040, .top = 2520, .width = 1335, .height = 735, .tab = 2,
         .font = {36}, .alignment = Alignment::Right},
        {.kind = Kind::Line, .name = "Line8",
         .x1 = 3840, .y1 = 9240, .x2 = 7560, .y2 = 9240, .lineWidth = 5},
        {.kind = Kind::Line, .name = "Line7", .index = 0,
         .x1 = 3840, .y1 = 3960, .x2 = 3840, .y2 = 9240, .lineWidth = 5},
        {.kind = Kind::Line, .name = "Line7", .index = 1,
         .x1 = 7560, .y1 = 3960, .x2 = 7560, .y2 = 9240, .lineWidth = 5},
        {.kind = Kind::Line, .name = "Line6", .index = 3,
         .x1 = 6540, .y1 = 2640, .x2 = 6960, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line6", .index = 2,
         .x1 = 6120, .y1 = 2280, .x2 = 6540, .y2 = 2640, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line5", .index = 3,
         .x1 = 6960, .y1 = 2280, .x2 = 6720, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line5", .index = 2,
         .x1 = 6360, .y1 = 2280, .x2 = 6120, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line4", .index = 1,
         .x1 = 6360, .y1 = 1320, .x2 = 6360, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line3", .index = 1,
         .x1 = 6720, .y1 = 1680, .x2 = 6720, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line2", .index = 1,
         .x1 = 7320, .y1 = 1320, .x2 = 7320, .y2 = 1680, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line1", .index = 3,
         .x1 = 6720, .y1 = 1680, .x2 = 7320, .y2 = 1680, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line1", .index = 2,
         .x1 = 6360, .y1 = 1320, .x2 = 7320, .y2 = 1320, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line6", .index = 1,
         .x1 = 4740, .y1 = 2640, .x2 = 5160, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line6", .index = 0,
         .x1 = 4320, .y1 = 2280, .x2 = 4740, .y2 = 2640, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line5", .index = 1,
         .x1 = 5160, .y1 = 2280, .x2 = 4920, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line5", .index = 0,
         .x1 = 4560, .y1 = 2280, .x2 = 4320, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line4", .index = 0,
         .x1 = 4920, .y1 = 1320, .x2 = 4920, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line3", .index = 0,
         .x1 = 4560, .y1 = 1680, .x2 = 4560, .y2 = 2280, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line2", .index = 0,
         .x1 = 3960, .y1 = 1320, .x2 = 3960, .y2 = 1680, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line1", .index = 1,
         .x1 = 3960, .y1 = 1680, .x2 = 4560, .y2 = 1680, .lineWidth = 3},
        {.kind = Kind::Line, .name = "Line1", .index = 0,
         .x1 = 3960, .y1 = 1320, .x2 = 4920, .y2 = 1320, .lineWidth = 3},
        {.kind = Kind::Shape, .name = "Shape1", .index = 1, .left = 2280, .top = 720, .width = 1500, .height = 1500,
         .backColor = Fixed(0xFF0000), .shape = ShapeKind::Circle, .filled = true},
        {.kind = Kind::Shape, .name = "Shape1", .index = 0, .left = 7440, .top = 720, .width = 1500, .height = 1500,
         .backColor = Fixed(0x0000FF), .shape = ShapeKind::Circle, .filled = true},
    },
};
// clang-format on

} // namespace palettra
