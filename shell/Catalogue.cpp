#include "shell/Catalogue.h"

#include "layouts/Layouts.h"
#include "toolkit/Face.h"

#include <algorithm>

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

std::vector<const toolkit::WindowLayout*> Catalogue::Layouts()
{
    return { &MenuLayout, &Form1Layout, &Form2Layout, &Form3Layout, &Form4Layout, &Form5Layout, &Form6Layout };
}

void Catalogue::Refit()
{
    for (toolkit::Window* window : Windows())
        if (window)
            window->Refit();
}

void Catalogue::SpeakIn(const texts::Language& language)
{
    face_.SetLanguage(language);
    for (toolkit::Window* window : Windows())
        if (window)
            window->Translate();
}

std::array<toolkit::Window*, 7> Catalogue::Windows()
{
    return { &menu_, form2.get(), form1.get(), form3.get(), form4.get(), form5.get(), form6.get() };
}

bool Catalogue::AnyWindowOpen()
{
    const auto windows = Windows();
    return std::any_of(
        windows.begin(), windows.end(), [](const toolkit::Window* window) { return window && window->IsLoaded(); });
}

} // namespace palettra
