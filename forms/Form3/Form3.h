#pragma once

#include "common/ColourValue.h"
#include "toolkit/controls/CommandButton.h"
#include "toolkit/controls/PictureBox.h"
#include "toolkit/controls/ScrollBar.h"
#include "toolkit/Window.h"

#include <utility>
#include <vector>

namespace palettra {

// The colour overlap: colours A and B painted onto a tall strip above and below a
// movable boundary, meeting in a hard edge or in a zone that ramps both into their mid colour.
class Form3 : public toolkit::Window {
public:
    explicit Form3(toolkit::Face& face);

private:
    // A colour as its three bars give it: ten times each bar, so 0..250 in steps of 10.
    struct BarColour {
        common::Int16 red, green, blue;
    };

    void BindEvents() override;
    void BindOutcomes() override;

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void HScroll4_Change();
    void HScroll5_Change();
    void HScroll6_Change();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void HScroll7_Change();
    void VScroll1_Change();
    void ShowMidColour();
    void DrawOverlap();

    // What a screen reader says after an action, and what the pictures say they show.
    std::string SwatchOutcome(const std::string& colour, toolkit::PictureBox& swatch) const;
    std::string BoundaryText() const;
    std::string StripText() const;
    std::string OverlapOutcome() const;
    std::string SetOutcome(toolkit::PictureBox& painted) const;
    // A Set button between presses: the colour it paints and the mid colour shown.
    std::string SetReadyText(const std::string& colour, toolkit::PictureBox& swatch) const;

    // Halfway between two bar colours; always whole, as both ends are multiples of 10.
    struct MidColour {
        double red, green, blue;
    };

    BarColour ColourA() const;
    BarColour ColourB() const;
    std::pair<BarColour, BarColour> ColoursAB() const;
    static MidColour Between(const BarColour& a, const BarColour& b);
    // The colour `steps` rows into a ramp of h rows that runs from `from` to `mid`.
    static common::ColourValue Ramp(const BarColour& from, const MidColour& mid, common::Int16 h, common::Int16 steps);

    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }
    toolkit::PictureBox& Picture2() const { return Find<toolkit::PictureBox>("Picture2"); }
    toolkit::PictureBox& Picture3() const { return Find<toolkit::PictureBox>("Picture3"); }
    toolkit::PictureBox& Picture4() const { return Find<toolkit::PictureBox>("Picture4"); }
    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::ScrollBar& HScroll4() const { return Find<toolkit::ScrollBar>("HScroll4"); }
    toolkit::ScrollBar& HScroll5() const { return Find<toolkit::ScrollBar>("HScroll5"); }
    toolkit::ScrollBar& HScroll6() const { return Find<toolkit::ScrollBar>("HScroll6"); }
    toolkit::ScrollBar& HScroll7() const { return Find<toolkit::ScrollBar>("HScroll7"); }
    toolkit::ScrollBar& VScroll1() const { return Find<toolkit::ScrollBar>("VScroll1"); }
    toolkit::CommandButton& Command1() const { return Find<toolkit::CommandButton>("Command1"); }
    toolkit::CommandButton& Command2() const { return Find<toolkit::CommandButton>("Command2"); }
    toolkit::CommandButton& Command3() const { return Find<toolkit::CommandButton>("Command3"); }

    // The strip's visible rows of the band being painted, kept from one repaint to the next.
    std::vector<common::Int16> rows_;
};

} // namespace palettra
