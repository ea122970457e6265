#pragma once

#include "texts/Message.h"

class QWidget;

namespace palettra::desktop {

// The report of a run-time error: it holds the whole program until the user has read it.
void ShowErrorReport(QWidget& window, const texts::Message& report);
// A window's keyboard help, as an ordinary message dialog over it.
void ShowHelp(QWidget& window, const texts::Message& help);

} // namespace palettra::desktop
