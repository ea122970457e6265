#pragma once

#include "toolkit/Window.h"

namespace palettra {

class Form6 : public toolkit::Window {
public:
    Form6();
};

} // namespace palettra
