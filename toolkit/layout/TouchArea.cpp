#include "toolkit/layout/TouchArea.h"

#include "toolkit/layout/Zoom.h"

#include <algorithm>

namespace palettra::toolkit {

namespace {

    bool TakesInput(Kind kind)
    {
        return kind == Kind::CommandButton || kind == Kind::HScrollBar || kind == Kind::VScrollBar;
    }

    // A picture takes no input, but it is a control with the focus of its own: a reach stops at it.
    bool IsFreeSpace(Kind kind) { return kind == Kind::Label || kind == Kind::Shape || kind == Kind::Line; }

    Rect BoxOf(const ControlLayout& row, const Zoom& zoom)
    {
        return zoom.Box(row.left, row.top, row.width, row.height);
    }

    // Half of what a length lacks of a finger's, for each of its two ends.
    double HalfLacking(int length) { return std::max(0.0, FingerSide - length) / 2; }

    // What a control would reach with nothing around it.
    TouchReach Wanted(const ControlLayout& row, const Rect& box)
    {
        if (!TakesInput(row.kind))
            return {};
        const double across = HalfLacking(box.width);
        const double down = HalfLacking(box.height);
        return { across, down, across, down };
    }

    RectF Grown(const Rect& box, const TouchReach& reach)
    {
        return { box.left - reach.left, box.top - reach.top, box.width + reach.left + reach.right,
            box.height + reach.top + reach.bottom };
    }

    bool Intersect(const RectF& one, const RectF& other)
    {
        return one.left < other.left + other.width && other.left < one.left + one.width
            && one.top < other.top + other.height && other.top < one.top + one.height;
    }

    // The gap between two boxes along one axis; negative where they overlap along it.
    int Gap(int start, int length, int otherStart, int otherLength)
    {
        return std::max(otherStart - (start + length), start - (otherStart + otherLength));
    }

    void Limit(double& reach, double room) { reach = std::min(reach, std::max(0.0, room)); }

    // The side facing a neighbour stops at its box, or halfway there where the neighbour reaches back.
    // Boxes apart both ways are told apart along the wider gap, which both of them see, so that the
    // two reaches are cut along the same axis and cannot meet; boxes that overlap by a pixel, as
    // rounded neighbours do, reach nowhere towards each other.
    void StopShortOf(TouchReach& reach, const Rect& box, const Rect& other, const TouchReach& otherWants)
    {
        const int across = Gap(box.left, box.width, other.left, other.width);
        const int down = Gap(box.top, box.height, other.top, other.height);
        if (across >= down)
            Limit(other.left > box.left ? reach.right : reach.left, otherWants.left > 0 ? across / 2.0 : across);
        else
            Limit(other.top > box.top ? reach.bottom : reach.top, otherWants.top > 0 ? down / 2.0 : down);
    }

    // A box that already runs past the client area's edge reaches no further there.
    void KeepWithin(TouchReach& reach, const Rect& box, const Rect& client)
    {
        Limit(reach.left, box.left - client.left);
        Limit(reach.top, box.top - client.top);
        Limit(reach.right, client.left + client.width - (box.left + box.width));
        Limit(reach.bottom, client.top + client.height - (box.top + box.height));
    }

} // namespace

// Neighbours are met by what each would reach alone, so that two of them see the same meeting.
TouchReach TouchReachOf(const WindowLayout& layout, const Zoom& zoom, const ControlLayout& control)
{
    const Rect box = BoxOf(control, zoom);
    const TouchReach wanted = Wanted(control, box);
    TouchReach reach = wanted;
    KeepWithin(reach, box, zoom.Box(0, 0, layout.clientWidth, layout.clientHeight));
    for (const ControlLayout& row : layout.controls) {
        if (&row == &control || IsFreeSpace(row.kind))
            continue;
        const Rect other = BoxOf(row, zoom);
        const TouchReach otherWants = Wanted(row, other);
        if (Intersect(Grown(box, wanted), Grown(other, otherWants)))
            StopShortOf(reach, box, other, otherWants);
    }
    return reach;
}

} // namespace palettra::toolkit
