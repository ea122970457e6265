#pragma once

class QApplication;

namespace palettra::desktop {

// One look on every desktop: Fusion, which paints a button's background colour, and the
// Japanese faces behind the labels' font; what assistive tools need (windows as frames, pictures as
// images, announcements, descriptions kept up once a tool listens), and F1 help.
void ConfigureApplication(QApplication& application);

} // namespace palettra::desktop
