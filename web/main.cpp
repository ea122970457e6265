#include "common/Arithmetic.h"
#include "common/ColourText.h"
#include "common/RuntimeError.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

using namespace palettra::common;

// Until the core's windows are built here, the module shows that the chain holds end to end: common/
// in WebAssembly, its run-time error thrown and caught inside the module and reported by the page,
// and a colour word in both languages reaching the page's announcements.
void Start()
{
    const emscripten::val page = emscripten::val::global("palettraPage");
    try {
        Mul16(300, 300); // beyond 16 bits, as a mixer's product can be
    } catch (const RuntimeError& error) {
        page.call<void>("reportError", error.Code(), std::string(error.what()));
    }
    page.call<void>("announce", ColourText(RGB(255, 128, 0)));
}

} // namespace

EMSCRIPTEN_BINDINGS(palettra) { emscripten::function("start", &Start); }
