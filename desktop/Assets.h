#pragma once

#include <string>

namespace palettra::desktop {

// The layouts name their icons by file; the desktop carries them as resources.
inline std::string AssetPath(const std::string& name) { return ":/assets/" + name; }

} // namespace palettra::desktop
