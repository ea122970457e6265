#pragma once

#include <emscripten/val.h>

#include <string>
#include <utility>

namespace palettra::web {

// The page's script as the module sees it: `palettraPage`, whose functions web/page.js documents.
// Once the program has ended the page shows nothing more of it, so what the ending tears down in the
// core no longer reaches the page; a restart lets the calls through again.
class Page {
public:
    Page();

    template <typename... Arguments> void Call(const char* function, Arguments&&... arguments)
    {
        if (!ended_)
            page_.call<void>(function, std::forward<Arguments>(arguments)...);
    }

    void End();
    void Restart() { ended_ = false; }
    bool Ended() const { return ended_; }

private:
    emscripten::val page_;
    bool ended_ = false;
};

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
