#include "toolkit/Label.h"

#include "toolkit/Colours.h"
#include "toolkit/Fonts.h"

namespace palettra::toolkit {

Label::Label(Window& owner, const ControlLayout& layout)
    : QLabel(QString::fromStdString(layout.caption), &owner)
    , font_(layout.font)
{
    setAlignment(Qt::AlignTop | (layout.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft));
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ToQColor(Resolve(layout.foreColor.value_or(WindowTextColour))));
    setPalette(palette);
    setFocusPolicy(Qt::NoFocus);
}

void Label::SetCaption(const std::string& caption)
{
    setText(QString::fromStdString(caption));
    ShowWhole();
}

void Label::Place(const QRect& box, double zoom)
{
    setFont(LabelFont(font_, zoom));
    layoutGeometry_ = box;
    ShowWhole();
}

// A caption a little wider than its box, such as a full-width "％", would be cut off; the
// box grows past its far edge instead, away from where the text is anchored.
void Label::ShowWhole()
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

} // namespace palettra::toolkit
