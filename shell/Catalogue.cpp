#include "shell/Catalogue.h"

#include "toolkit/Face.h"

#include <algorithm>
#include <array>

namespace palettra {

Catalogue::Catalogue(toolkit::Face& face)
    : face_(face)
    , menu_(*this, face)
{
    Watch(menu_);
}

Catalogue::~Catalogue()
{
    form6.reset();
    form5.reset();
    form4.reset();
    form3.reset();
    form1.reset();
    form2.reset();
}

void Catalogue::Watch(toolkit::Window& window)
{
    window.WhenClosed([this] {
        if (!AnyWindowOpen())
            face_.EndProgram();
    });
}

bool Catalogue::AnyWindowOpen() const
{
    const std::array<const toolkit::Window*, 7> windows { &menu_, form2.get(), form1.get(), form3.get(), form4.get(),
        form5.get(), form6.get() };
    return std::any_of(
        windows.begin(), windows.end(), [](const toolkit::Window* window) { return window && window->IsLoaded(); });
}

} // namespace palettra
