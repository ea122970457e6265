#include "forms/Form1/Form1.h"

#include "layouts/Layouts.h"

namespace palettra {

Form1::Form1()
    : Window(Form1Layout)
{
}

} // namespace palettra
