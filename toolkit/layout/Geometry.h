#pragma once

namespace palettra::toolkit {

// The few shapes of plane geometry that the toolkit's core speaks in; a face converts them to its
// platform's own at its edge.
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    // The last column and row inside, as the pixels of a run count them.
    int Right() const { return left + width - 1; }
    int Bottom() const { return top + height - 1; }
    bool operator==(const Rect&) const = default;
};

struct PointF {
    double x = 0;
    double y = 0;
    bool operator==(const PointF&) const = default;
};

struct RectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool IsEmpty() const { return !(width > 0) || !(height > 0); }
    PointF Centre() const { return { left + width / 2, top + height / 2 }; }
    bool operator==(const RectF&) const = default;
};

struct LineF {
    PointF from;
    PointF to;
    bool operator==(const LineF&) const = default;
};

} // namespace palettra::toolkit
