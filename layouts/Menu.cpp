#include "layouts/Layouts.h"

namespace palettra {

using namespace toolkit;
using texts::Text;

// The buttons are numbered out of their top-to-bottom order ("End" is Command2).
// Shape1 is the white ground that the two title labels sit on.
// clang-format off
extern const WindowLayout MenuLayout {
    .name = "メニュー",
    .caption = "",
    .accessibleName = Text("メニュー (menu)"),
    .left = 300,
    .top = 300,
    .clientWidth = 1800,
    .clientHeight = 10005,
    .icon = "menu.ico",
    .switchesLanguage = true,
    .controls = {
        {.kind = Kind::CommandButton, .name = "Command7", .caption = Text("合成"),
         .left = 0, .top = 7440, .width = 1815, .height = 1215, .tab = 8,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("合成"), .description = Text("実験装置の絵の窓を開く (opens the apparatus picture)")},
        {.kind = Kind::CommandButton, .name = "Command6", .caption = Text("丸底フラスコ"),
         .left = 0, .top = 6120, .width = 1815, .height = 1215, .tab = 7,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("丸底フラスコ"), .description = Text("丸底フラスコの窓を開く (opens the round-bottomed flask)")},
        {.kind = Kind::CommandButton, .name = "Command5", .caption = Text("カラー重なり (正方形)"),
         .left = 0, .top = 4800, .width = 1815, .height = 1215, .tab = 6,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("カラー重なり (正方形)"), .description = Text("正方形のグラデーションの窓を開く (opens the square gradient)")},
        {.kind = Kind::CommandButton, .name = "Command4", .caption = Text("カラー重なり"),
         .left = 0, .top = 3480, .width = 1815, .height = 1215, .tab = 5,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("カラー重なり"), .description = Text("二色の重なりの窓を開く (opens the two-colour overlap strip)")},
        {.kind = Kind::CommandButton, .name = "Command3", .caption = Text("％カラーチェンジ"),
         .left = 0, .top = 2160, .width = 1815, .height = 1215, .tab = 4,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("％カラーチェンジ"), .description = Text("赤と青の割合の窓を開く (opens the red and blue percentage mixer)")},
        {.kind = Kind::CommandButton, .name = "Command2", .caption = Text("End"),
         .left = 0, .top = 9000, .width = 1815, .height = 975, .tab = 3,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("End"), .description = Text("プログラムを終了する (ends the program)")},
        {.kind = Kind::CommandButton, .name = "Command1", .caption = Text("RGB → 1677万色"),
         .left = 0, .top = 840, .width = 1815, .height = 1215, .tab = 0,
         .backColor = Fixed(0xFFFFFF), .graphical = true,
         .accessibleName = Text("RGB → 1677万色"), .description = Text("RGB ミキサーを開く (opens the RGB mixer)")},
        {.kind = Kind::Label, .name = "Label2", .caption = "Palettra",
         .left = 360, .top = 360, .width = 1575, .height = 255, .tab = 2, .font = {12}},
        {.kind = Kind::Label, .name = "Label1", .caption = "Quillon",
         .left = 120, .top = 120, .width = 1455, .height = 255, .tab = 1, .font = {12}},
        {.kind = Kind::Shape, .name = "Shape1",
         .left = 0, .top = 0, .width = 1815, .height = 735,
         .backColor = Fixed(0xFFFFFF), .shape = ShapeKind::Rectangle, .filled = true, .border = false},
    },
};
// clang-format on

} // namespace palettra
