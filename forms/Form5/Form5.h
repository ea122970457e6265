#pragma once

#include "common/Arithmetic.h"
#include "toolkit/CommandButton.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

namespace palettra {

// The flask drawing: a round-bottomed flask whose bulb is half full of the chosen colour.
class Form5 : public toolkit::Window {
public:
    Form5();

private:
    void BindEvents() override;
    void BindOutcomes() override;

    void Command1_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();

    void DrawLiquid(common::Int16 r, common::Int16 g, common::Int16 b);
    void ClearUpperHalf();
    void DrawOutline();
    void DrawNeck();

    // The liquid's colour, as a screen reader says it; after a drawing the flask says it too.
    std::string LiquidText() const;
    std::string FlaskText() const;

    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::CommandButton& Command1() const { return Find<toolkit::CommandButton>("Command1"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }
};

} // namespace palettra
