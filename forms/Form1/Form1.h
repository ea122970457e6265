#pragma once

#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

namespace palettra {

// The percentage colour change: one bar sets the red share, the rest is blue.
class Form1 : public toolkit::Window {
public:
    Form1();

private:
    void BindEvents() override;
    void BindOutcomes() override;
    void Form_Load() override;

    void HScroll1_Change();

    // Both shares and the mixed colour, as a screen reader says them after a change.
    std::string SharesOutcome() const;

    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }
    toolkit::Label& Label1() const { return Find<toolkit::Label>("Label1"); }
    toolkit::Label& Label2() const { return Find<toolkit::Label>("Label2"); }
};

} // namespace palettra
