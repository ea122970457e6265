#include "desktop/LabelWidget.h"

#include "desktop/Colours.h"
#include "desktop/Fonts.h"
#include "desktop/Described.h"
#include "desktop/QtGeometry.h"

namespace palettra::desktop {

using namespace toolkit;

LabelWidget::LabelWidget(const Label& label, QWidget& window)
    : QLabel(QString::fromStdString(label.Caption()), &window)
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

void LabelWidget::Place(const Rect& box, double zoom)
{
    setFont(LabelFont(font_, zoom));
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

} // namespace palettra::desktop
