// The page's benchmark module: the heavy handlers on the browser face, timed by the same code as the
// native figures, once alone and once with the pictures handed to the page as an action does.
#include "bench/handlers/HandlerTimes.h"
#include "web/Page.h"
#include "web/WebFace.h"

#include <emscripten/bind.h>

#include <string>

namespace {

std::string RunBenchmarks(emscripten::val pageScript)
{
    palettra::web::Page page(std::move(pageScript));
    palettra::web::WebFace face(page);
    const auto alone = palettra::bench::TimeHeavyHandlers(face);
    const auto shown = palettra::bench::TimeHeavyHandlers(face, [&face] { face.ShowChanges(); });
    return "{\"handlers\": " + palettra::bench::ToJson(alone) + ", \"shown\": " + palettra::bench::ToJson(shown) + "}";
}

} // namespace

EMSCRIPTEN_BINDINGS(palettra_bench) { emscripten::function("runBenchmarks", &RunBenchmarks); }
