#pragma once

#include "common/Arithmetic.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace palettra {

// What the last scan found: the extents it sampled and, for each sample point, whether it showed the
// key colour. A colour change walks the grid as far as the extents reach, so the two are only ever
// replaced together.
class KeyScan {
public:
    // One byte per sample point. Not a plain std::uint8_t: a store of a byte may alias anything,
    // so recording a point would make the compiler read the picture's scale afresh at every step.
    enum class Cell : std::uint8_t { Empty = 0, Key = 1 };

    bool Done() const { return scanWidth_.has_value(); }
    float ScanWidth() const { return scanWidth_.value_or(0); }
    float ScanHeight() const { return scanHeight_.value_or(0); }

    // Starts over with an empty grid for these extents, x from 0 to the width and y from 0 to the
    // height as whole numbers, both bounds included. When that grid cannot be made, the last scan
    // stays as it was.
    void Restart(float width, float height);
    void Record(int x, int y)
    {
        KeyMask.Record(x, y);
        ++keyCount_;
    }
    // How many points the last scan recorded; each sample point is recorded at most once.
    std::size_t KeyCount() const { return keyCount_; }
    // The recorded point with the smallest x, and the smallest y in that column.
    std::optional<std::pair<int, int>> FirstKey() const;
    // What was recorded at a sample point; Empty outside the grid and before the first scan.
    Cell At(int x, int y) const { return KeyMask.Contains(x, y) ? KeyMask.At(x, y) : Cell::Empty; }
    // The first y from `from` on at which column x holds a key point, or one past the column's end.
    int NextKey(int x, int from) const { return KeyMask.NextKey(x, from); }

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
        // Nearly every cell is empty, and a search skips them many at a time.
        int NextKey(int x, int from) const;
        int Columns() const { return rows_ ? static_cast<int>(cells_.size() / rows_) : 0; }

    private:
        std::size_t Index(int x, int y) const
        {
            return static_cast<std::size_t>(x) * rows_ + static_cast<std::size_t>(y);
        }
        std::size_t rows_ = 0;
        std::vector<Cell> cells_;
    };

    std::optional<float> scanWidth_; // empty until the first scan
    std::optional<float> scanHeight_;
    Grid KeyMask;
    std::size_t keyCount_ = 0;
    // The photo's description asks for the first point after every colour change, and the search
    // crosses every empty column before the liquid. Kept with the count it was found at, as every
    // point recorded since changes the count, and never stored while the points come: a store
    // there would make the scan read the picture's fields afresh at every step.
    std::optional<std::pair<int, int>> SearchFirstKey() const;
    mutable std::optional<std::pair<int, int>> firstKey_;
    mutable std::size_t firstKeyCount_ = NotSearched;
    static constexpr std::size_t NotSearched = std::numeric_limits<std::size_t>::max();
};

} // namespace palettra
