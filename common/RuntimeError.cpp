#include "common/RuntimeError.h"

namespace palettra::common {

RuntimeError::RuntimeError(int code, const std::string& message)
    : std::runtime_error(message)
    , code_(code)
{
}

RuntimeError RuntimeError::Overflow() { return { 6, "オーバーフローしました。 (Overflow)" }; }

RuntimeError RuntimeError::InvalidArgument()
{
    return { 5, "プロシージャの呼び出し、または引数が不正です。 (Invalid procedure call or argument)" };
}

RuntimeError RuntimeError::InvalidPropertyValue()
{
    return { 380, "プロパティの値が不正です。 (Invalid property value)" };
}

} // namespace palettra::common
