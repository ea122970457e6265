#pragma once

#include "toolkit/WindowLayout.h"

#include <QFont>

namespace palettra::toolkit {

// The labels' face; Debian's Japanese fonts stand in for it through Qt's substitution table.
inline constexpr const char* LabelFace = "ＭＳ Ｐゴシック";

void InstallFontSubstitutes();
QFont LabelFont(const FontSpec& spec);
QFont ButtonFont();

} // namespace palettra::toolkit
