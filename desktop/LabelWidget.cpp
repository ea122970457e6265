#include "desktop/LabelWidget.h"

#include "desktop/Colours.h"
#include "desktop/Described.h"
#include "desktop/Fonts.h"
#include "desktop/QtGeometry.h"

#include <QPainter>
#include <QStyleOption>

namespace palettra::desktop {

using namespace toolkit;

LabelWidget::LabelWidget(const Label& label, QWidget& window)
    : QLabel(QString::fromStdString(label.ShownCaption()), &window)
    , font_(label.Layout().font)
{
    const ControlLayout& layout = label.Layout();
    setAlignment(Qt::AlignTop | (layout.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft));
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ToQColor(Resolve(layout.foreColor.value_or(WindowTextColour))));
    setPalette(palette);
    setFocusPolicy(Qt::NoFocus);
}

void LabelWidget::ShowCaption(const std::string& caption)
{
    setText(QString::fromStdString(caption));
    ShowWhole();
}

void LabelWidget::Place(const Rect& box, double zoom, const TouchReach&)
{
    setFont(LabelFont(font_, zoom));
    cache_.Clear();
    layoutGeometry_ = ToQRect(box);
    ShowWhole();
}

void LabelWidget::Describe(const std::string& description) { DescribeWidget(*this, description); }

// A caption a little wider than its box, such as a full-width "％", would be cut off; the
// box grows past its far edge instead, away from where the text is anchored.
void LabelWidget::ShowWhole()
{
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed <= layoutGeometry_.width()) {
        setGeometry(layoutGeometry_);
        return;
    }
    QRect grown = layoutGeometry_;
    if (alignment() & Qt::AlignRight)
        grown.setLeft(layoutGeometry_.right() + 1 - needed);
    else
        grown.setWidth(needed);
    setGeometry(grown);
}

// Below Qt's limit on the letters it keeps, the label paints as any label does.
void LabelWidget::paintEvent(QPaintEvent* event)
{
    if (!CaptionCache::Needed(font(), devicePixelRatioF())) {
        QLabel::paintEvent(event);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    // The ratio of the device painted on, which an image rendered for another screen need not share.
    const qreal ratio = painter.deviceTransform().m11();
    const CaptionCache::Caption caption { text(), font(), option.palette.color(foregroundRole()), size(), ratio };
    painter.drawPixmap(0, 0, cache_.Picture(caption, [&](QPainter& onto) { DrawCaption(onto, option); }));
}

// The caption as QLabel draws plain text.
void LabelWidget::DrawCaption(QPainter& painter, const QStyleOption& option) const
{
    const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags = QStyle::visualAlignment(direction, alignment())
        | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    painter.setFont(font());
    style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), text(), foregroundRole());
}

} // namespace palettra::desktop
