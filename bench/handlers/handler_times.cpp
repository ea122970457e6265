// The heavy handlers' times on the headless face, natively, as JSON on standard output: the figures
// the browser's are held against, measured by the same code. The page cannot tell whether a screen
// reader reads it and always describes and announces, so here an assistive tool listens too: both
// sides do the same work.
#include "bench/handlers/HandlerTimes.h"
#include "headless/HeadlessFace.h"

#include <cstdio>

int main()
{
    palettra::headless::HeadlessFace face;
    face.listening = true;
    std::puts(palettra::bench::ToJson(palettra::bench::TimeHeavyHandlers(face)).c_str());
    return 0;
}
