#pragma once

#include "shell/Catalogue.h"

#include <array>
#include <functional>

namespace palettra::tests {

// The six tool windows as the menu reaches them: its button, and the slot it fills.
struct Tool {
    const char* button;
    std::function<toolkit::Window*(Catalogue&)> window;
};

inline const std::array<Tool, 6> Tools { {
    { "Command1", [](Catalogue& c) -> toolkit::Window* { return c.form2.get(); } },
    { "Command3", [](Catalogue& c) -> toolkit::Window* { return c.form1.get(); } },
    { "Command4", [](Catalogue& c) -> toolkit::Window* { return c.form3.get(); } },
    { "Command5", [](Catalogue& c) -> toolkit::Window* { return c.form4.get(); } },
    { "Command6", [](Catalogue& c) -> toolkit::Window* { return c.form5.get(); } },
    { "Command7", [](Catalogue& c) -> toolkit::Window* { return c.form6.get(); } },
} };

} // namespace palettra::tests
