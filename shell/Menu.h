#pragma once

#include "toolkit/Window.h"
#include "toolkit/controls/CommandButton.h"

namespace palettra {

class Catalogue;

// The start-up window: the title and one button per tool window, and "End".
class Menu : public toolkit::Window {
public:
    Menu(Catalogue& catalogue, toolkit::Face& face);

private:
    void BindEvents() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    toolkit::CommandButton& Button(const char* name) const { return Find<toolkit::CommandButton>(name); }

    Catalogue& catalogue_;
};

} // namespace palettra
