#pragma once

#include "toolkit/picture/PixelRun.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace palettra::toolkit {

// Writes one-pixel runs into a picture's pixels, late. Runs wait in a ring before they are written,
// so that a run that covers exactly the pixels of a waiting one replaces it instead of being written
// twice; writing a run later changes nothing as long as the runs keep their order.
class RunWriter {
public:
    // Keeps a pointer into the buffer's memory, which must outlive the writer.
    explicit RunWriter(PixelBuffer& pixels)
        : pixels_(pixels.Data())
        , stride_(pixels.Width())
        , rows_(pixels.Height())
    {
    }

    Pixel* Pixels() const { return pixels_; }
    std::ptrdiff_t Stride() const { return stride_; }
    bool Waits() const { return waitingCount_ != 0; }

    // With a full ring, the two cases that are nearly every run: one that replaces the oldest, and
    // one that replaces none, which settles the oldest and takes its slot. False for the rest, for Insert.
    bool TakeOver(const PixelRun& run);
    void Insert(const PixelRun& run);
    // Writes out every run, settled ones first, as they are older.
    void Flush();
    // Forgets every run, for a fill that covers them all.
    void Discard() { waitingCount_ = settledCount_ = 0; }

private:
    void Write(const PixelRun& run);
    void WriteSettled();
    // A long column touches a cache line per row; written one after another, the columns of a
    // picture evict each other's lines. Band by band, each column's lines are still cached when
    // the next column comes. Within a band the runs keep their order, so the pixels are the same.
    void WriteSettledInBands();

    Pixel* pixels_;
    std::ptrdiff_t stride_; // pixels per row
    int rows_;

    // A ring, as the run to leave is nearly always the oldest: a square's side replaces the
    // same side of the square before.
    static constexpr std::size_t MaxWaiting = 4;
    PixelRun& Waiting(std::size_t i) { return waiting_[(waitingFirst_ + i) % MaxWaiting]; }
    std::array<PixelRun, MaxWaiting> waiting_ {};
    std::size_t waitingFirst_ = 0;
    std::size_t waitingCount_ = 0;
    // Runs that left the ring: nothing can replace them any more, but they are written together,
    // when the handler returns or the image is read. A fixed store, so that settling is a plain write.
    // Only a full ring settles a run, and only a flush empties the ring: while runs are settled,
    // some wait, and a look at waitingCount_ tells whether anything does.
    static constexpr std::size_t MaxSettled = 1024;
    static constexpr int BandRows = 32;
    std::vector<PixelRun> settled_ = std::vector<PixelRun>(MaxSettled);
    std::size_t settledCount_ = 0;
};

inline void RunWriter::Write(const PixelRun& run)
{
    // In locals: the pixels are unsigned ints, and a store through them could otherwise be
    // taken to change the run's own fields.
    const Pixel colour = run.colour;
    const std::ptrdiff_t stride = stride_;
    Pixel* row = pixels_ + run.top * stride;
    if (run.left == run.right) {
        for (Pixel *pixel = row + run.left, *end = pixel + (run.bottom - run.top + 1) * stride; pixel != end;
             pixel += stride)
            *pixel = colour;
        return;
    }
    for (int y = run.top; y <= run.bottom; ++y, row += stride)
        std::fill(row + run.left, row + run.right + 1, colour);
}

inline void RunWriter::WriteSettled()
{
    // Any order that keeps the runs' order on each pixel gives the same pixels, their own order too:
    // bands pay a pass over every run per band, worth it only for a run that crosses one.
    const auto crossesBand = [](const PixelRun& run) { return run.top / BandRows != run.bottom / BandRows; };
    const auto settledEnd = settled_.begin() + static_cast<std::ptrdiff_t>(settledCount_);
    if (std::any_of(settled_.begin(), settledEnd, crossesBand))
        WriteSettledInBands();
    else
        std::for_each(settled_.begin(), settledEnd, [this](const PixelRun& run) { Write(run); });
    settledCount_ = 0;
}

inline void RunWriter::WriteSettledInBands()
{
    for (int bandTop = 0; bandTop < rows_; bandTop += BandRows) {
        const int bandBottom = std::min(bandTop + BandRows, rows_) - 1;
        for (std::size_t i = 0; i < settledCount_; ++i) {
            const PixelRun& run = settled_[i];
            const int top = std::max(run.top, bandTop);
            const int bottom = std::min(run.bottom, bandBottom);
            if (top <= bottom)
                Write({ run.left, top, run.right, bottom, run.colour });
        }
    }
}

// Without a call: a loop of reads or points that sees none can keep what it reads of the picture in
// registers, and finds that nothing waits after its first step.
inline void RunWriter::Flush()
{
    if (settledCount_ != 0)
        WriteSettled(); // older than the ring's
    for (std::size_t i = 0; i < waitingCount_; ++i)
        Write(Waiting(i));
    waitingCount_ = 0;
}

inline bool RunWriter::TakeOver(const PixelRun& run)
{
    if (waitingCount_ != MaxWaiting)
        return false;
    PixelRun& oldest = waiting_[waitingFirst_];
    const bool replaces = oldest.SamePixels(run);
    if (!replaces && (Waiting(1).SamePixels(run) || Waiting(2).SamePixels(run) || Waiting(3).SamePixels(run)))
        return false;
    if (!replaces) {
        settled_[settledCount_++] = oldest;
        if (settledCount_ == MaxSettled)
            WriteSettled();
    }
    oldest = run;
    waitingFirst_ = (waitingFirst_ + 1) % MaxWaiting;
    return true;
}

} // namespace palettra::toolkit
