#include "toolkit/access/AccessibleName.h"

namespace palettra::toolkit {

std::string FixedName(const ControlLayout& control)
{
    if (!control.accessibleName.empty())
        return control.accessibleName;
    return control.kind == Kind::Label ? std::string() : control.caption;
}

std::string WindowName(const WindowLayout& window)
{
    return window.accessibleName.empty() ? window.caption : window.accessibleName;
}

} // namespace palettra::toolkit
