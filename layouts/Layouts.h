#pragma once

#include "texts/Language.h"
#include "toolkit/layout/WindowLayout.h"

namespace palettra {

// The static layouts of the seven windows; each window builds its controls from
// its table in row order, so the rows are also the creation order.
extern const toolkit::WindowLayout MenuLayout;
extern const toolkit::WindowLayout Form1Layout;
extern const toolkit::WindowLayout Form2Layout;
extern const toolkit::WindowLayout Form3Layout;
extern const toolkit::WindowLayout Form4Layout;
extern const toolkit::WindowLayout Form5Layout;
extern const toolkit::WindowLayout Form6Layout;

} // namespace palettra
