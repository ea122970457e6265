#pragma once

#include "toolkit/layout/WindowLayout.h"

#include <emscripten/val.h>

namespace palettra::web {

// The shapes and lines of a window's surface, for the page to draw beneath its controls, in the
// layout's pixels: the last row first, so that the first rows lie on top, as on the desktop.
emscripten::val Decorations(const toolkit::WindowLayout& layout);

} // namespace palettra::web
