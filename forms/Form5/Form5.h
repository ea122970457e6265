#pragma once

#include "toolkit/Window.h"

namespace palettra {

class Form5 : public toolkit::Window {
public:
    Form5();
};

} // namespace palettra
