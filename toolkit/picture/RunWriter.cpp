#include "toolkit/picture/RunWriter.h"

namespace palettra::toolkit {

// The rest: a ring not yet full, or a run that replaces one further in.
void RunWriter::Insert(const PixelRun& run)
{
    std::size_t same = 0;
    while (same < waitingCount_ && !Waiting(same).SamePixels(run))
        ++same;
    if (same < waitingCount_) { // the replaced run leaves; the others keep their order
        for (std::size_t i = same; i + 1 < waitingCount_; ++i)
            Waiting(i) = Waiting(i + 1);
        --waitingCount_;
    }
    Waiting(waitingCount_++) = run;
}

} // namespace palettra::toolkit
