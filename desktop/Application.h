#pragma once

class QApplication;

namespace palettra::desktop {

// One look on every desktop: Fusion, which paints a button's background colour, and the
// Japanese faces behind the labels' font; windows that assistive tools read as frames, and F1 help.
void ConfigureApplication(QApplication& application);

} // namespace palettra::desktop
