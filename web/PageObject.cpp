#include "web/PageObject.h"

#include "web/WebFace.h"

namespace palettra::web {

PageObject::PageObject(WebFace& face)
    : face_(face)
    , id_(face.Enrol(*this))
{
}

PageObject::~PageObject() { face_.Leave(id_); }

} // namespace palettra::web
