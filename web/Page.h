#pragma once

#include "texts/Language.h"
#include "web/Protocol.h"

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace palettra::web {

// The page's script as the module sees it: the object web/page.js makes and documents, handed to the
// program when the page makes it.
// Once the program has ended the page shows nothing more of it, so what the ending tears down in the
// core no longer reaches the page; a restart lets the calls through again.
class Page {
public:
    explicit Page(emscripten::val page)
        : page_(std::move(page))
    {
    }

    // A call the page needs at once: windows and controls made, placed, shown and taken away. The
    // changes held back follow once the action is over; a change to a control gone by then does nothing.
    template <typename... Arguments> void Call(const char* function, Arguments&&... arguments)
    {
        if (!ended_)
            page_.call<void>(function, std::forward<Arguments>(arguments)...);
    }

    // The changes an action makes many of, which wait until it is over to reach the page all in one
    // crossing, as a crossing costs more than most of them do there; page.js's update() takes them.
    using Change = protocol::Change;
    // A change of a window's control (both 0 for the announcement), with its number (a bar's value,
    // else 0) and its text.
    void Later(Change change, int window, int control, int value, std::string_view text);
    // Shows the changes held back.
    void Flush();

    // Every window gone: the page says so, in the core's words, with its button to start again.
    void End(const texts::Language& language);
    void Restart() { ended_ = false; }
    bool Ended() const { return ended_; }

private:
    emscripten::val page_;
    bool ended_ = false;
    // The changes held back: five numbers each, what it is, the window, the control, the value and
    // the length of its text in bytes, and the texts one after another in UTF-8, which the page decodes.
    std::vector<std::int32_t> changes_;
    std::string texts_;
};

// A typed array for the page over numbers in the module's memory; the page copies what it keeps, as
// the memory is reused and can move when it grows.
template <typename Number> emscripten::val View(const Number* numbers, std::size_t count)
{
    return emscripten::val(emscripten::typed_memory_view(count, numbers));
}

// An object of the page's kind, {name: value, ...}, filled in one expression.
class Props {
public:
    Props()
        : object_(emscripten::val::object())
    {
    }
    template <typename Value> Props& Set(const char* name, Value&& value)
    {
        object_.set(name, std::forward<Value>(value));
        return *this;
    }
    const emscripten::val& Object() const { return object_; }

private:
    emscripten::val object_;
};

} // namespace palettra::web
