#pragma once

#include "toolkit/Window.h"

namespace palettra {

class Form4 : public toolkit::Window {
public:
    Form4();
};

} // namespace palettra
