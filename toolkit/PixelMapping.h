#pragma once

#include "toolkit/PixelRun.h"

namespace palettra::toolkit {

// A picture's user scale as its pixel grid sees it, worked out once when the scale changes.
// The x and y of a point travel together as a pair of doubles: the compiler keeps each pair in one
// vector register, so that both ends of a line map with a handful of instructions and no branch per
// coordinate. GCC's and Clang's generic vectors, so that no processor's intrinsics appear here.
class PixelMapping {
public:
    PixelMapping() = default;
    PixelMapping(float left, float top, float width, float height, int columns, int rows);

    double X(float x) const { return (static_cast<double>(x) - origin_[0]) * perUnit_[0]; }
    double Y(float y) const { return (static_cast<double>(y) - origin_[1]) * perUnit_[1]; }
    double PixelsPerUnitX() const { return perUnit_[0]; }
    // The column or row under a coordinate: -1 before the first, the count after the last.
    int Column(float x) const { return Clamp(X(x), size_[0]); }
    int Row(float y) const { return Clamp(Y(y), size_[1]); }

    enum class AxisLine { Run, Outside, Other };
    // A line along an axis of the user scale, as the run of pixels it covers (colour left alone);
    // any other line, and one with an end that is not a number, is Other.
    AxisLine MapAxisLine(float x1, float y1, float x2, float y2, PixelRun& run) const;

private:
    using Pair = double __attribute__((vector_size(16)));
    using Mask = long long __attribute__((vector_size(16)));
    using Ends = int __attribute__((vector_size(8)));

    static int Clamp(double pixel, double size)
    {
        return pixel >= 0 && pixel < size ? static_cast<int>(pixel) : (pixel < 0 ? -1 : static_cast<int>(size));
    }

    Pair origin_ {}; // ScaleLeft, ScaleTop
    Pair perUnit_ {};
    Pair size_ {}; // columns and rows
    Pair last_ {}; // the last column and row
};

inline PixelMapping::PixelMapping(float left, float top, float width, float height, int columns, int rows)
    : origin_ { left, top }
    , perUnit_ { columns / static_cast<double>(width), rows / static_cast<double>(height) }
    , size_ { static_cast<double>(columns), static_cast<double>(rows) }
    , last_ { columns - 1.0, rows - 1.0 }
{
}

inline PixelMapping::AxisLine PixelMapping::MapAxisLine(float x1, float y1, float x2, float y2, PixelRun& run) const
{
    const Pair from { x1, y1 };
    const Pair to { x2, y2 };
    const Mask same = from == to;
    const Mask notNumbers = (from != from) | (to != to);
    if ((same[0] | same[1]) == 0 || (notNumbers[0] | notNumbers[1]) != 0)
        return AxisLine::Other;
    const Pair first = (from - origin_) * perUnit_;
    const Pair second = (to - origin_) * perUnit_;
    // The mapping never reverses the order of two points, so the ends of the run come from
    // the smaller and the larger of the two, clipped to the first and last pixel.
    const Pair low = first < second ? first : second;
    const Pair high = first < second ? second : first;
    const Pair zero {};
    const Mask outside = (high < zero) | (low >= size_);
    if ((outside[0] | outside[1]) != 0)
        return AxisLine::Outside;
    const Ends start = __builtin_convertvector(low > zero ? low : zero, Ends);
    const Ends end = __builtin_convertvector(high < last_ ? high : last_, Ends);
    run.left = start[0];
    run.top = start[1];
    run.right = end[0];
    run.bottom = end[1];
    return AxisLine::Run;
}

} // namespace palettra::toolkit
