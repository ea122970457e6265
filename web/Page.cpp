#include "web/Page.h"

namespace palettra::web {

Page::Page()
    : page_(emscripten::val::global("palettraPage"))
{
}

void Page::End()
{
    page_.call<void>("ended");
    ended_ = true;
}

} // namespace palettra::web
