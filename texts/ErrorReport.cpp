#include "texts/ErrorReport.h"

namespace palettra::texts {

Message ErrorReport(int code, const std::string& error)
{
    const std::string number = std::to_string(code);
    return { "実行時エラー (Run-time error)",
        "実行時エラー '" + number + "': (Run-time error '" + number + "':)\n\n" + error };
}

std::string InternalError(const std::string& fault) { return "内部エラー (Internal error): " + fault; }

} // namespace palettra::texts
