#include "toolkit/access/Description.h"

namespace palettra::toolkit {

std::string DescriptionNow(std::string_view purpose, const std::string& now, const texts::Language& language)
{
    if (now.empty())
        return std::string(purpose);
    // TRANSLATORS: {purpose} is what a control is for, {now} what its window shows now.
    return language.Say("{purpose}、{now}", { { "purpose", purpose }, { "now", now } });
}

} // namespace palettra::toolkit
