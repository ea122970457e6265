#pragma once

#include "texts/Language.h"

namespace palettra::desktop {

// The language the user's locale asks for, as gettext reads it: LC_ALL, else LC_MESSAGES, else LANG,
// the first that is set and not empty. English for an English locale, Japanese for any other.
const texts::Language& LocaleLanguage();

} // namespace palettra::desktop
