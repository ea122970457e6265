#include "desktop/Fonts.h"

#include "toolkit/controls/ButtonFont.h"
#include "toolkit/layout/Twips.h"

#include <QStringList>

namespace palettra::desktop {

using toolkit::FontPixels;
using toolkit::Weight;

void InstallFontSubstitutes()
{
    // Ume P Gothic is the face in which every caption fits its box; the others are fallbacks.
    const QStringList faces = QStringList() << "Ume P Gothic"
                                            << "IPAPGothic"
                                            << "Noto Sans CJK JP";
    QFont::insertSubstitutions(QString::fromUtf8(LabelFace), faces);
}

QFont LabelFont(const toolkit::LayoutFont& layoutFont, double zoom)
{
    QFont font(QString::fromUtf8(LabelFace));
    font.setPixelSize(FontPixels(layoutFont.points, zoom));
    font.setBold(layoutFont.weight == Weight::Bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

QFont ButtonFont(double zoom) { return LabelFont(toolkit::ButtonCaptionFont, zoom); }

} // namespace palettra::desktop
