// The heavy handlers' times on the headless face, natively, as JSON on standard output: the figures
// the browser's are held against, measured by the same code.
#include "bench/handlers/HandlerTimes.h"
#include "headless/HeadlessFace.h"

#include <cstdio>

int main()
{
    palettra::headless::HeadlessFace face;
    std::puts(palettra::bench::ToJson(palettra::bench::TimeHeavyHandlers(face)).c_str());
    return 0;
}
