#include "bench/handlers/HandlerTimes.h"

#include "forms/Form3/Form3.h"
#include "forms/Form4/Form4.h"
#include "forms/Form6/Form6.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace palettra::bench {

using common::Int16;
using toolkit::CommandButton;
using toolkit::ScrollBar;

namespace {

    using Clock = std::chrono::steady_clock;

    constexpr auto WarmUp = std::chrono::milliseconds(1500);
    constexpr auto BatchLength = std::chrono::milliseconds(20);
    constexpr int Batches = 15;

    // Steps for a while, and how long one took on average, in microseconds.
    double Batch(const std::function<void()>& step, Clock::duration length)
    {
        const Clock::time_point start = Clock::now();
        Clock::time_point now = start;
        int steps = 0;
        for (; now - start < length; now = Clock::now(), ++steps)
            step();
        return std::chrono::duration<double, std::micro>(now - start).count() / steps;
    }

    // The time of a step in the fastest batch, the one least disturbed by the machine's other work,
    // after a warm-up long enough for a browser to have compiled the hot code at its best: on two
    // busy cores that takes it about a second of steps, and the first case timed paid for the rest.
    double Fastest(const std::function<void()>& step)
    {
        Batch(step, WarmUp);
        std::vector<double> perStep;
        for (int batch = 0; batch < Batches; ++batch)
            perStep.push_back(Batch(step, BatchLength));
        return *std::min_element(perStep.begin(), perStep.end());
    }

    // Steps of the overlap bar between 99 and 100: DrawOverlap at nearly its widest, every time.
    double OverlapChange(toolkit::Face& face, Int16 boundary, const std::function<void()>& shown)
    {
        Form3 form(face);
        form.Show();
        form.Find<ScrollBar>("VScroll1").SetValue(boundary);
        auto& overlap = form.Find<ScrollBar>("HScroll7");
        return Fastest([&] {
            overlap.SetValue(overlap.Value() == 100 ? 99 : 100);
            shown();
        });
    }

    double GradientChange(toolkit::Face& face, const std::function<void()>& shown)
    {
        Form4 form(face);
        form.Show();
        auto& red = form.Find<ScrollBar>("HScroll1");
        return Fastest([&] {
            red.SetValue(static_cast<Int16>(1 - red.Value()));
            shown();
        });
    }

    double PhotoScan(toolkit::Face& face, const std::function<void()>& shown)
    {
        Form6 form(face);
        form.Show();
        auto& scan = form.Find<CommandButton>("Command1");
        return Fastest([&] {
            scan.SetValue(true);
            shown();
        });
    }

    double PhotoColourChange(toolkit::Face& face, const std::function<void()>& shown)
    {
        Form6 form(face);
        form.Show();
        form.Find<CommandButton>("Command1").SetValue(true);
        auto& change = form.Find<CommandButton>("Command2");
        return Fastest([&] {
            change.SetValue(true);
            shown();
        });
    }

} // namespace

std::vector<HandlerTime> TimeHeavyHandlers(toolkit::Face& face, const std::function<void()>& shown)
{
    const std::function<void()> after = shown ? shown : [] {};
    return {
        { "DrawOverlap/centre", OverlapChange(face, 5000, after) },
        { "DrawOverlap/edge", OverlapChange(face, 0, after) },
        { "DrawGradient", GradientChange(face, after) },
        { "PhotoScan", PhotoScan(face, after) },
        { "PhotoColourChange", PhotoColourChange(face, after) },
    };
}

std::string ToJson(const std::vector<HandlerTime>& times)
{
    std::string json = "{";
    for (const HandlerTime& time : times) {
        char value[32];
        std::snprintf(value, sizeof value, "%.2f", time.microseconds);
        json += (json.size() > 1 ? ", \"" : "\"") + time.name + "\": " + value;
    }
    return json + "}";
}

} // namespace palettra::bench
