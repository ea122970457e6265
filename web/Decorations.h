#pragma once

#include "toolkit/layout/Decoration.h"

#include <emscripten/val.h>

#include <vector>

namespace palettra::web {

// The shapes and lines of a window's surface as the page draws them, in the core's order.
emscripten::val PageDecorations(const std::vector<toolkit::Decoration>& decorations);

} // namespace palettra::web
