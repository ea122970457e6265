#include "web/Program.h"

#include <emscripten/bind.h>

// The page makes one program and tells it what the user does (see page.js).
EMSCRIPTEN_BINDINGS(palettra)
{
    using palettra::web::Program;
    emscripten::class_<Program>("Program")
        .constructor<>()
        .function("start", &Program::Start)
        .function("barCommitted", &Program::BarCommitted)
        .function("buttonPressed", &Program::ButtonPressed)
        .function("windowClosed", &Program::WindowClosed)
        .function("zoomRequested", &Program::ZoomRequested);
}
