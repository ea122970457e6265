#include "forms/Form6/KeyScan.h"

#include <cstring>

namespace palettra {

using namespace common;

void KeyScan::Restart(float width, float height)
{
    Grid grid(ToInt32(width), ToInt32(height));
    scanWidth_ = width;
    scanHeight_ = height;
    KeyMask = std::move(grid);
    keyCount_ = 0;
    firstKeyCount_ = NotSearched;
}

std::optional<std::pair<int, int>> KeyScan::FirstKey() const
{
    if (firstKeyCount_ != keyCount_) {
        firstKey_ = SearchFirstKey();
        firstKeyCount_ = keyCount_;
    }
    return firstKey_;
}

std::optional<std::pair<int, int>> KeyScan::SearchFirstKey() const
{
    for (int x = 0; x < KeyMask.Columns(); ++x)
        if (const int y = KeyMask.NextKey(x, 0); KeyMask.Contains(x, y))
            return std::pair { x, y };
    return std::nullopt;
}

namespace {

    // Below 0 a bound leaves no points at all, as a loop from 0 to it runs zero times.
    std::size_t Count(Int32 last) { return last < 0 ? 0 : static_cast<std::size_t>(last) + 1; }

} // namespace

KeyScan::Grid::Grid(Int32 lastX, Int32 lastY)
    : rows_(Count(lastY))
    , cells_(Count(lastX) * rows_, Cell::Empty)
{
}

int KeyScan::Grid::NextKey(int x, int from) const
{
    const auto* column = reinterpret_cast<const unsigned char*>(cells_.data() + Index(x, 0));
    const auto rows = static_cast<int>(rows_);
    if (from >= rows)
        return rows;
    if (column[from] == static_cast<unsigned char>(Cell::Key))
        return from; // key points come in runs down the liquid
    const void* key = std::memchr(column + from, static_cast<int>(Cell::Key), static_cast<std::size_t>(rows - from));
    return key ? static_cast<int>(static_cast<const unsigned char*>(key) - column) : rows;
}

} // namespace palettra
