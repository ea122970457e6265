#include "desktop/CaptionCache.h"

#include <QPainter>

namespace palettra::desktop {

namespace {

    // Qt's own limit on the letters it keeps, in device pixels.
    constexpr qreal LargestCachedLetter = 64;

} // namespace

bool CaptionCache::Needed(const QFont& font, qreal pixelRatio)
{
    return font.pixelSize() * pixelRatio >= LargestCachedLetter;
}

const QPixmap& CaptionCache::Picture(const Caption& caption, const std::function<void(QPainter&)>& draw)
{
    if (!picture_.isNull() && caption == kept_)
        return picture_;
    // A new caption of the same size, as a value label's, draws over the old picture's memory.
    if (caption.size != kept_.size || caption.pixelRatio != kept_.pixelRatio || picture_.isNull()) {
        picture_ = QPixmap(caption.size * caption.pixelRatio);
        picture_.setDevicePixelRatio(caption.pixelRatio);
    }
    picture_.fill(Qt::transparent);
    QPainter painter(&picture_);
    draw(painter);
    kept_ = caption;
    return picture_;
}

void CaptionCache::Clear()
{
    picture_ = QPixmap();
    kept_ = Caption();
}

} // namespace palettra::desktop
