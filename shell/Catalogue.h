#pragma once

#include "forms/Form1/Form1.h"
#include "forms/Form2/Form2.h"
#include "forms/Form3/Form3.h"
#include "forms/Form4/Form4.h"
#include "forms/Form5/Form5.h"
#include "forms/Form6/Form6.h"
#include "shell/Menu.h"

#include <array>
#include <memory>
#include <vector>

namespace palettra {

// The program's seven window objects, in their fixed order: the menu, which exists
// from the start, and one slot per tool window, filled on the first request and
// kept until the program ends, which it does when the last open window closes.
class Catalogue {
public:
    explicit Catalogue(toolkit::Face& face);
    ~Catalogue();

    Menu& StartUp() { return menu_; }
    // The layouts of every window the program can open, which a screen of its own fits together.
    static std::vector<const toolkit::WindowLayout*> Layouts();
    // The face's screen changed size: every open window fits it again.
    void Refit();
    // The user chose another language: every window speaks it, and the open ones keep what they show.
    void SpeakIn(const texts::Language& language);

    template <typename Form> Form& Open(std::unique_ptr<Form>& slot)
    {
        if (!slot)
            slot = std::make_unique<Form>(face_);
        Watch(*slot);
        slot->Show();
        return *slot;
    }

    // Tool windows are destroyed before the menu that opened them.
    std::unique_ptr<Form2> form2;
    std::unique_ptr<Form1> form1;
    std::unique_ptr<Form3> form3;
    std::unique_ptr<Form4> form4;
    std::unique_ptr<Form5> form5;
    std::unique_ptr<Form6> form6;

private:
    // Whoever made the window, the catalogue that shows it hears when it closes.
    void Watch(toolkit::Window& window);
    bool AnyWindowOpen();
    std::array<toolkit::Window*, 7> Windows();

    toolkit::Face& face_;
    Menu menu_;
};

} // namespace palettra
