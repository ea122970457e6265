#include "forms/Form3/Form3.h"

#include "layouts/Layouts.h"

namespace palettra {

Form3::Form3()
    : Window(Form3Layout)
{
}

} // namespace palettra
