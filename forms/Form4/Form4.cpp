#include "forms/Form4/Form4.h"

#include "layouts/Layouts.h"

namespace palettra {

Form4::Form4()
    : Window(Form4Layout)
{
}

} // namespace palettra
