#pragma once

#include "toolkit/Window.h"

namespace palettra {

class Form1 : public toolkit::Window {
public:
    Form1();
};

} // namespace palettra
