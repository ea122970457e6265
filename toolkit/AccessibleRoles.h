#pragma once

namespace palettra::toolkit {

// Gives assistive tools the roles Qt's own interfaces miss: every top-level window is a frame, named
// by its title or by the layout's accessible name where the title bar is kept empty, and every
// picture box is an image.
void InstallAccessibleRoles();

} // namespace palettra::toolkit
