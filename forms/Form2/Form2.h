#pragma once

#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

namespace palettra {

// The RGB mixer: three channel bars, the swatch, the decimal triple and the hexadecimal code.
class Form2 : public toolkit::Window {
public:
    Form2();

private:
    void BindEvents() override;
    void BindOutcomes() override;

    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void UpdateColour();

    // The colour, its code and its word, as a screen reader says them after a change.
    std::string MixOutcome() const;

    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }
    toolkit::Label& Label2() const { return Find<toolkit::Label>("Label2"); }
    toolkit::Label& Label4() const { return Find<toolkit::Label>("Label4"); }
};

} // namespace palettra
