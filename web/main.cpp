#include "web/Program.h"

#include <emscripten/bind.h>

#include <cstddef>
#include <malloc.h>

namespace {

// What the program holds on its heap: the memory's own size only ever grows, so a storm that looks
// for what is never given back counts this instead.
std::size_t HeapInUse() { return mallinfo().uordblks; }

} // namespace

// The page makes one program and tells it what the user does (see page.js).
EMSCRIPTEN_BINDINGS(palettra)
{
    using palettra::web::Program;
    emscripten::function("heapInUse", &HeapInUse);
    emscripten::class_<Program>("Program")
        .constructor<emscripten::val>()
        .function("start", &Program::Start)
        .function("barStepped", &Program::BarStepped)
        .function("barPaged", &Program::BarPaged)
        .function("barToEnd", &Program::BarToEnd)
        .function("barTrackHeld", &Program::BarTrackHeld)
        .function("barTrackRepeated", &Program::BarTrackRepeated)
        .function("barThumbHeld", &Program::BarThumbHeld)
        .function("barThumbMoved", &Program::BarThumbMoved)
        .function("barThumbCentred", &Program::BarThumbCentred)
        .function("barThumbLetGo", &Program::BarThumbLetGo)
        .function("barThumbCancelled", &Program::BarThumbCancelled)
        .function("buttonPressed", &Program::ButtonPressed)
        .function("windowClosed", &Program::WindowClosed)
        .function("helpRequested", &Program::HelpRequested)
        .function("zoomRequested", &Program::ZoomRequested)
        .function("maximiseRequested", &Program::MaximiseRequested)
        .function("windowMoved", &Program::WindowMoved)
        .function("screenResized", &Program::ScreenResized)
        .function("languagesPreferred", &Program::LanguagesPreferred)
        .function("languageRequested", &Program::LanguageRequested);
}
