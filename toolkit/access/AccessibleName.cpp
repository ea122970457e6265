#include "toolkit/access/AccessibleName.h"

namespace palettra::toolkit {

std::string FixedName(const ControlLayout& control, const texts::Language& language)
{
    if (!control.accessibleName.empty())
        return language.Say(control.accessibleName);
    return control.kind == Kind::Label ? std::string() : language.Say(control.caption);
}

std::string WindowName(const WindowLayout& window, const texts::Language& language)
{
    return language.Say(window.accessibleName.empty() ? window.caption : window.accessibleName);
}

std::string WindowTitle(const WindowLayout& window, const texts::Language& language)
{
    return language.Say(window.caption);
}

// Read after every action for each control's description, so not copied.
std::string_view Purpose(const ControlLayout& control, const texts::Language& language)
{
    return language.Find(control.description);
}

} // namespace palettra::toolkit
