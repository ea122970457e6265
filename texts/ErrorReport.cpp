#include "texts/ErrorReport.h"

namespace palettra::texts {

Message ErrorReport(const Language& language, int code, const std::string& error)
{
    const std::string number = std::to_string(code);
    // TRANSLATORS: {code} is the error's number, {error} what went wrong.
    return { language.Say("実行時エラー (Run-time error)"),
        language.Say("実行時エラー '{code}': (Run-time error '{code}':)\n\n{error}",
            { { "code", number }, { "error", error } }) };
}

std::string InternalError(const Language& language, const std::string& fault)
{
    return language.Say("内部エラー (Internal error): {fault}", { { "fault", fault } });
}

} // namespace palettra::texts
