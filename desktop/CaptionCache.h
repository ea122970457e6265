#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace palettra::desktop {

// A caption drawn once, as a transparent picture at the screen's resolution, and painted from there
// until what it shows changes. Qt keeps drawn letters only below 64 device pixels and fills larger
// ones as outlines on every paint, which at a projector's zoom costs more than the rest of a window.
class CaptionCache {
public:
    // Everything the picture depends on; any change draws it afresh.
    struct Caption {
        QString text;
        QFont font;
        QColor colour;
        QSize size;
        qreal pixelRatio = 1;

        bool operator==(const Caption&) const = default;
    };

    // Whether Qt fills the letters of this font as outlines at this device pixel ratio.
    static bool Needed(const QFont& font, qreal pixelRatio);

    // The caption's picture; draw paints it in logical pixels when the one kept shows something else.
    const QPixmap& Picture(const Caption& caption, const std::function<void(QPainter&)>& draw);
    void Clear();

private:
    Caption kept_;
    QPixmap picture_;
};

} // namespace palettra::desktop
