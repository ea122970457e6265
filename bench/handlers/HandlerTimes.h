#pragma once

#include "toolkit/Face.h"

#include <functional>
#include <string>
#include <vector>

namespace palettra::bench {

struct HandlerTime {
    std::string name; // as the desktop's benchmark names the same case
    double microseconds; // of one run
};

// The heavy handlers, each on a real window of the given face, timed the same way on every
// platform: in batches of some 20 ms, so that a clock as coarse as a browser's tenth of a
// millisecond still tells, of which the fastest counts. `shown` runs after each handler, inside the
// time: what the face does besides to show its result.
std::vector<HandlerTime> TimeHeavyHandlers(toolkit::Face& face, const std::function<void()>& shown = {});

// The times as a JSON object, {"name": microseconds, ...}.
std::string ToJson(const std::vector<HandlerTime>& times);

} // namespace palettra::bench
