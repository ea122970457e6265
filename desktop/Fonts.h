#pragma once

#include "toolkit/layout/WindowLayout.h"

#include <QFont>

namespace palettra::desktop {

// The labels' face; Debian's Japanese fonts stand in for it through Qt's substitution table.
inline constexpr const char* LabelFace = "ＭＳ Ｐゴシック";

void InstallFontSubstitutes();
// The fonts at a window's zoom: laid out at the enlarged pixel size, never an enlarged picture of text.
QFont LabelFont(const toolkit::LayoutFont& layoutFont, double zoom = 1);
QFont ButtonFont(double zoom = 1);

} // namespace palettra::desktop
