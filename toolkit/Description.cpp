#include "toolkit/Description.h"

namespace palettra::toolkit {

std::string DescriptionNow(const std::string& purpose, const std::string& now)
{
    return now.empty() ? purpose : purpose + "、" + now;
}

} // namespace palettra::toolkit
