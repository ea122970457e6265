#pragma once

#include "toolkit/picture/PixelRun.h"

namespace palettra::toolkit {

// A picture's user scale as its pixel grid sees it, worked out once when the scale changes, so that
// a line loads it instead of converting.
class PixelMapping {
public:
    PixelMapping() = default;
    PixelMapping(float left, float top, float width, float height, int columns, int rows);

    double X(float x) const { return (static_cast<double>(x) - left_) * perUnitX_; }
    double Y(float y) const { return (static_cast<double>(y) - top_) * perUnitY_; }
    double PixelsPerUnitX() const { return perUnitX_; }
    // The column or row under a coordinate: -1 before the first, the count after the last.
    int Column(float x) const { return Clamp(X(x), columns_); }
    int Row(float y) const { return Clamp(Y(y), rows_); }
    // The last of the whole rows y..last that falls on the same pixel row as y.
    int LastOnRow(int y, int last) const;

    enum class AxisLine { Run, Outside, Other };
    // A line along an axis of the user scale, as the run of pixels it covers (colour left alone);
    // any other line, and one with an end that is not a number, is Other.
    AxisLine MapAxisLine(float x1, float y1, float x2, float y2, PixelRun& run) const;

private:
    static int Clamp(double pixel, double size)
    {
        return pixel >= 0 && pixel < size ? static_cast<int>(pixel) : (pixel < 0 ? -1 : static_cast<int>(size));
    }

    double left_ = 0; // ScaleLeft
    double top_ = 0; // ScaleTop
    double perUnitX_ = 0;
    double perUnitY_ = 0;
    double unitsPerRow_ = 0; // only ever a guess's, so a quotient of any rounding will do
    double columns_ = 0;
    double rows_ = 0;
};

inline PixelMapping::PixelMapping(float left, float top, float width, float height, int columns, int rows)
    : left_(left)
    , top_(top)
    , perUnitX_(columns / static_cast<double>(width))
    , perUnitY_(rows / static_cast<double>(height))
    , unitsPerRow_(height / static_cast<double>(rows))
    , columns_(columns)
    , rows_(rows)
{
}

// Almost every line the forms draw comes here, so the tests use the bitwise operators and the
// choices are written as minimums and maximums: no branch per coordinate.
inline PixelMapping::AxisLine PixelMapping::MapAxisLine(float x1, float y1, float x2, float y2, PixelRun& run) const
{
    if (!((x1 == x2) | (y1 == y2)) | (x1 != x1) | (y1 != y1) | (x2 != x2) | (y2 != y2))
        return AxisLine::Other;
    const double fromX = X(x1);
    const double toX = X(x2);
    const double fromY = Y(y1);
    const double toY = Y(y2);
    // The mapping never reverses the order of two points, so the ends of the run come from
    // the smaller and the larger of the two, clipped to the first and last pixel.
    const double left = fromX < toX ? fromX : toX;
    const double right = fromX < toX ? toX : fromX;
    const double top = fromY < toY ? fromY : toY;
    const double bottom = fromY < toY ? toY : fromY;
    if ((right < 0) | (left >= columns_) | (bottom < 0) | (top >= rows_))
        return AxisLine::Outside;
    const double lastColumn = columns_ - 1;
    const double lastRow = rows_ - 1;
    run.left = static_cast<int>(left > 0 ? left : 0);
    run.top = static_cast<int>(top > 0 ? top : 0);
    run.right = static_cast<int>(right < lastColumn ? right : lastColumn);
    run.bottom = static_cast<int>(bottom < lastRow ? bottom : lastRow);
    return AxisLine::Run;
}

// A strip has far more rows than pixels: the inverse of the mapping guesses where a pixel row ends,
// and the rows on either side of the guess settle it. Rounding never reverses the order of two
// rows, so whatever lies between y and a row on the same pixel row is on it too.
inline int PixelMapping::LastOnRow(int y, int last) const
{
    const int row = Row(static_cast<float>(y));
    const bool downwards = perUnitY_ > 0;
    // Before the first pixel row or after the last, going away from the picture, nothing ends.
    if (downwards ? row >= rows_ : row < 0)
        return last;
    const double edge = top_ + (downwards ? row + 1 : row) * unitsPerRow_;
    // Truncated, the edge is the last row before it or one off, which the rows beside it correct.
    int end = edge > y ? (edge < last ? static_cast<int>(edge) : last) : y;
    while (Row(static_cast<float>(end)) != row)
        --end;
    while (end < last && Row(static_cast<float>(end + 1)) == row)
        ++end;
    return end;
}

} // namespace palettra::toolkit
