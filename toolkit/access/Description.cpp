#include "toolkit/access/Description.h"

namespace palettra::toolkit {

std::string DescriptionNow(const std::string& purpose, const std::string& now, const texts::Language& language)
{
    // TRANSLATORS: {purpose} is what a control is for, {now} what its window shows now.
    return now.empty() ? purpose : language.Say("{purpose}、{now}", { { "purpose", purpose }, { "now", now } });
}

} // namespace palettra::toolkit
