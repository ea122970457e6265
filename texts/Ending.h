#pragma once

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// What a face that outlives the program (the page) shows once it has ended, and its button that
// starts the program again.
struct Ending {
    std::string text;
    std::string startAgain;
};

Ending ProgramEnded(const Language& language);

} // namespace palettra::texts
