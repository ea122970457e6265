#include "toolkit/controls/Control.h"

#include "toolkit/Window.h"
#include "toolkit/access/AccessibleName.h"
#include "toolkit/controls/Peers.h"

namespace palettra::toolkit {

// A label without a name of its own is called by its caption, which it shows again itself.
void Control::Translate()
{
    const texts::Language& language = owner_.Language();
    if (const std::string name = FixedName(layout_, language); !name.empty())
        Peer().Rename(name);
    Peer().Describe(std::string(Purpose(layout_, language)));
}

} // namespace palettra::toolkit
