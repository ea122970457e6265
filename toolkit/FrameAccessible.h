#pragma once

namespace palettra::toolkit {

// Makes every top-level window a frame for assistive tools, named by its title, or by
// the layout's accessible name where the title bar is kept empty.
void InstallFrameAccessible();

} // namespace palettra::toolkit
