#include "forms/Form6/KeyScan.h"

#include <bit>
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

    // An empty cell is a zero byte, so the cells of a block are all empty when its words are zero.
    // memchr would compare every byte with the key, and in a browser it reads only four at a time.
    constexpr int WordCells = sizeof(std::uint64_t);
    constexpr int BlockCells = 2 * WordCells;

    // Of a word read from memory, the index of its first byte that is not zero.
    int FirstNonZeroByte(std::uint64_t word)
    {
        const int bits = std::endian::native == std::endian::little ? std::countr_zero(word) : std::countl_zero(word);
        return bits / 8;
    }

    // Of a block of cells, the index of the first key point, or BlockCells when it holds none.
    int FirstKeyInBlock(const unsigned char* cells)
    {
        std::uint64_t words[2];
        std::memcpy(words, cells, sizeof words);
        if ((words[0] | words[1]) == 0)
            return BlockCells;
        return words[0] != 0 ? FirstNonZeroByte(words[0]) : WordCells + FirstNonZeroByte(words[1]);
    }

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
    int y = from + 1;
    for (; y + BlockCells <= rows; y += BlockCells)
        if (const int key = FirstKeyInBlock(column + y); key != BlockCells)
            return y + key;
    while (y < rows && column[y] != static_cast<unsigned char>(Cell::Key))
        ++y;
    return y;
}

} // namespace palettra
