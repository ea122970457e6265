#pragma once

#include "common/ColourValue.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Description.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Window.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace palettra {

// The photo colour change: a scan records where the stored picture shows the key colour,
// and each colour change repaints exactly those points in the bars' colour.
class Form6 : public toolkit::Window {
public:
    // The liquid's blue; no bar setting can produce it, so repainted points never match again.
    static constexpr common::ColourValue KeyColour = 0xFE0000;

    // One byte per sample point. Not a plain std::uint8_t: a store of a byte may alias anything,
    // so recording a point would make the compiler read the picture's scale afresh at every step.
    enum class Cell : std::uint8_t { Empty = 0, Key = 1 };

    Form6();

    // What the last scan recorded at a sample point; Empty outside its grid and before the first scan.
    Cell KeyMaskAt(int x, int y) const { return KeyMask.Contains(x, y) ? KeyMask.At(x, y) : Cell::Empty; }

private:
    // Indexed x then y, both bounds included.
    class Grid {
    public:
        Grid() = default;
        Grid(common::Int32 lastX, common::Int32 lastY);
        bool Contains(int x, int y) const
        {
            return x >= 0 && y >= 0 && static_cast<std::size_t>(y) < rows_ && Index(x, y) < cells_.size();
        }
        Cell At(int x, int y) const { return cells_[Index(x, y)]; }
        void Record(int x, int y) { cells_[Index(x, y)] = Cell::Key; }
        // The first y from `from` on at which column x holds a key point, or one past the column's end.
        // Nearly every cell is empty, and a search skips them many at a time.
        int NextKey(int x, int from) const;
        std::size_t KeyCount() const;
        int Columns() const { return rows_ ? static_cast<int>(cells_.size() / rows_) : 0; }

    private:
        std::size_t Index(int x, int y) const
        {
            return static_cast<std::size_t>(x) * rows_ + static_cast<std::size_t>(y);
        }
        std::size_t rows_ = 0;
        std::vector<Cell> cells_;
    };

    void BindEvents() override;

    void Command1_Click();
    void Command2_Click();

    // What a screen reader says after the scan and after a colour change, and what the photo says it shows.
    std::string ScanText() const;
    std::string ChangeOutcome() const;
    void DescribePictures() override;

    toolkit::CommandButton& Command1() const { return Find<toolkit::CommandButton>("Command1"); }
    toolkit::CommandButton& Command2() const { return Find<toolkit::CommandButton>("Command2"); }
    toolkit::ScrollBar& HScroll1() const { return Find<toolkit::ScrollBar>("HScroll1"); }
    toolkit::ScrollBar& HScroll2() const { return Find<toolkit::ScrollBar>("HScroll2"); }
    toolkit::ScrollBar& HScroll3() const { return Find<toolkit::ScrollBar>("HScroll3"); }
    toolkit::PictureBox& Picture1() const { return Find<toolkit::PictureBox>("Picture1"); }

    // Kept when the window closes: reopening shows the same stored picture, so the points still fit it.
    std::optional<float> ScanWidth; // empty until the first scan
    std::optional<float> ScanHeight;
    Grid KeyMask;
};

} // namespace palettra
