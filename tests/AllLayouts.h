#pragma once

#include "layouts/Layouts.h"

#include <vector>

namespace palettra::tests {

inline const std::vector<const toolkit::WindowLayout*> AllLayouts { &MenuLayout, &Form1Layout, &Form2Layout,
    &Form3Layout, &Form4Layout, &Form5Layout, &Form6Layout };

} // namespace palettra::tests
