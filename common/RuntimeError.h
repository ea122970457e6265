#pragma once

#include <stdexcept>
#include <string>

namespace palettra::common {

// The program's run-time error: a failing operation ends the running handler with it.
// The message names the error in Japanese and in English, for the report the user sees.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int code, const std::string& message);

    int Code() const { return code_; }

    static RuntimeError Overflow();
    static RuntimeError InvalidArgument();
    static RuntimeError InvalidPropertyValue();

private:
    int code_;
};

} // namespace palettra::common
