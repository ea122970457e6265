#include "shell/Menu.h"

#include "layouts/Layouts.h"
#include "shell/Catalogue.h"

namespace palettra {

Menu::Menu(Catalogue& catalogue, toolkit::Face& face)
    : Window(MenuLayout, face)
    , catalogue_(catalogue)
{
}

void Menu::BindEvents()
{
    Button("Command1").OnClick([this] { Command1_Click(); });
    Button("Command2").OnClick([this] { Command2_Click(); });
    Button("Command3").OnClick([this] { Command3_Click(); });
    Button("Command4").OnClick([this] { Command4_Click(); });
    Button("Command5").OnClick([this] { Command5_Click(); });
    Button("Command6").OnClick([this] { Command6_Click(); });
    Button("Command7").OnClick([this] { Command7_Click(); });
}

void Menu::Command1_Click() { catalogue_.Open(catalogue_.form2); }
void Menu::Command3_Click() { catalogue_.Open(catalogue_.form1); }
void Menu::Command4_Click() { catalogue_.Open(catalogue_.form3); }
void Menu::Command5_Click() { catalogue_.Open(catalogue_.form4); }
void Menu::Command6_Click() { catalogue_.Open(catalogue_.form5); }
void Menu::Command7_Click() { catalogue_.Open(catalogue_.form6); }

// "End" quits at once: no further events are delivered.
void Menu::Command2_Click() { EndProgram(); }

} // namespace palettra
