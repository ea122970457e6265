#include "forms/Form5/Form5.h"

#include "layouts/Layouts.h"

namespace palettra {

Form5::Form5()
    : Window(Form5Layout)
{
}

} // namespace palettra
