#pragma once

#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

namespace palettra {

// The square gradient: an outer and an inner colour, their swatches, and concentric
// square outlines passing from the inner colour at the centre to the outer one at the border.
class Form4 : public toolkit::Window {
public:
    Form4();

private:
    void BindEvents() override;
    void BindOutcomes() override;

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void HScroll6_Change();
    void ShowOuterColour();
    void ShowInnerColour();
    // Reads the three bars in order, recolours their swatch, then repaints the canvas.
    void ShowColour(const toolkit::ScrollBar& redBar, const toolkit::ScrollBar& greenBar,
        const toolkit::ScrollBar& blueBar, toolkit::PictureBox& swatch);
    void DrawGradient();

    // The centre and border colours as the canvas shows them, for a screen reader.
    std::string GradientText() const;
    // A bar's colour, read off its swatch, then the gradient it leads to.
    std::string SwatchOutcome(const std::string& colour, toolkit::PictureBox& swatch) const;

    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::ScrollBar& HScroll4() const { return Find<toolkit::ScrollBar>("HScroll4"); }
    toolkit::ScrollBar& HScroll5() const { return Find<toolkit::ScrollBar>("HScroll5"); }
    toolkit::ScrollBar& HScroll6() const { return Find<toolkit::ScrollBar>("HScroll6"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }
    toolkit::PictureBox& Picture2() const { return Find<toolkit::PictureBox>("Picture2"); }
    toolkit::PictureBox& Picture3() const { return Find<toolkit::PictureBox>("Picture3"); }
};

} // namespace palettra
