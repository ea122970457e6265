#pragma once

#include "toolkit/Window.h"

namespace palettra {

class Form3 : public toolkit::Window {
public:
    Form3();
};

} // namespace palettra
