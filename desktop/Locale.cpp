#include "desktop/Locale.h"

#include <cstdlib>

namespace palettra::desktop {

const texts::Language& LocaleLanguage()
{
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" })
        if (const char* locale = std::getenv(variable); locale && *locale)
            return texts::LanguageFor(locale);
    return texts::Japanese();
}

} // namespace palettra::desktop
