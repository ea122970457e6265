#pragma once

#include <string>

class QWidget;

namespace palettra::toolkit {

// Has assistive tools speak a text at once, wherever the focus is in the window.
void Announce(QWidget& window, const std::string& text);

// Makes ready what announcements need before the first one: the role of the widget that carries
// them, where Qt has no announcement of its own.
void InstallAnnouncements();

} // namespace palettra::toolkit
