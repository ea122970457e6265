#include "shell/Catalogue.h"

namespace palettra {

Catalogue::Catalogue(toolkit::Face& face)
    : face_(face)
    , menu_(*this, face)
{
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

} // namespace palettra
