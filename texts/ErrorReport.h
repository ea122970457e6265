#pragma once

#include "texts/Message.h"

#include "texts/Language.h"

#include <string>

namespace palettra::texts {

// The report of a run-time error that ended a handler: its number, then what it is.
Message ErrorReport(const Language& language, int code, const std::string& error);
// What a fault of the program's own is called in that report, with what the fault said.
std::string InternalError(const Language& language, const std::string& fault);

} // namespace palettra::texts
