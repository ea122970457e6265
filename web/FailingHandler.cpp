// A run-time error on the browser face, for the page's test. No user action makes one of the program's
// own handlers fail, so a window of the tests' gets a handler whose first run overflows a 16-bit
// product, and its button is pressed twice, the way a user's press runs it: the first run ends at the
// error, which the page reports, and the second goes through. Returns how many runs went through.
#include "common/Arithmetic.h"
#include "tests/Probe.h"
#include "web/Page.h"
#include "web/WebFace.h"

#include <emscripten/bind.h>

#include <utility>

namespace {

int RunFailingHandler(emscripten::val pageScript)
{
    palettra::web::Page page(std::move(pageScript));
    palettra::web::WebFace face(page);
    palettra::tests::Probe probe(face);
    probe.Show();
    int started = 0;
    int finished = 0;
    probe.onClick = [&] {
        ++started;
        palettra::common::Mul16(started == 1 ? 200 : 2, 200);
        ++finished;
    };
    probe.Command1(0).Press();
    probe.Command1(0).Press();
    return finished;
}

} // namespace

EMSCRIPTEN_BINDINGS(palettra_failing_handler) { emscripten::function("runFailingHandler", &RunFailingHandler); }
