#pragma once

#include <functional>
#include <string>

namespace palettra::toolkit {

// A line for a screen reader about what a window shows now: the outcome of a control's action, or
// what a picture shows.
using Outcome = std::function<std::string()>;

// A control's description: what it is for, then, when there is something to tell, what the window
// shows now.
std::string DescriptionNow(const std::string& purpose, const std::string& now);

} // namespace palettra::toolkit
