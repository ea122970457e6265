#include "forms/Form6/Form6.h"

#include "layouts/Layouts.h"

namespace palettra {

Form6::Form6()
    : Window(Form6Layout)
{
}

} // namespace palettra
