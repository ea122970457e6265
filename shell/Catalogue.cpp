#include "shell/Catalogue.h"

namespace palettra {

Catalogue::Catalogue()
    : menu_(*this)
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
