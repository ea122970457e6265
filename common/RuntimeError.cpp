#include "common/RuntimeError.h"

#include "texts/Language.h"

namespace palettra::common {

using texts::Text;

RuntimeError::RuntimeError(int code, const std::string& message)
    : std::runtime_error(message)
    , code_(code)
{
}

RuntimeError RuntimeError::Overflow() { return { 6, Text("オーバーフローしました。 (Overflow)") }; }

RuntimeError RuntimeError::InvalidArgument()
{
    return { 5, Text("プロシージャの呼び出し、または引数が不正です。 (Invalid procedure call or argument)") };
}

RuntimeError RuntimeError::InvalidPropertyValue()
{
    return { 380, Text("プロパティの値が不正です。 (Invalid property value)") };
}

} // namespace palettra::common
