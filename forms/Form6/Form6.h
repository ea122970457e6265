#pragma once

#include "common/ColourValue.h"
#include "forms/Form6/KeyScan.h"
#include "toolkit/CommandButton.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

namespace palettra {

// The photo colour change: a scan records where the stored picture shows the key colour,
// and each colour change repaints exactly those points in the bars' colour.
class Form6 : public toolkit::Window {
public:
    // The liquid's blue; no bar setting can produce it, so repainted points never match again.
    static constexpr common::ColourValue KeyColour = 0xFE0000;

    using Cell = KeyScan::Cell;

    Form6();

    // What the last scan recorded at a sample point; Empty outside its grid and before the first scan.
    Cell KeyMaskAt(int x, int y) const { return LastScan.At(x, y); }

private:
    void BindEvents() override;
    void BindOutcomes() override;

    void Command1_Click();
    void Command2_Click();

    // What a screen reader says after the scan, after a colour change and after a bar's change, and
    // what the photo says it shows; before the first scan the scan and the photo tell nothing.
    std::string ScanText() const;
    std::string ChangeOutcome() const;
    std::string NewColourText() const;
    std::string PhotoText() const;
    common::ColourValue NewColour() const;

    toolkit::CommandButton& Command1() const { return Find<toolkit::CommandButton>("Command1"); }
    toolkit::CommandButton& Command2() const { return Find<toolkit::CommandButton>("Command2"); }
    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }

    // Kept when the window closes: reopening shows the same stored picture, so the points still fit it.
    KeyScan LastScan;
};

} // namespace palettra
