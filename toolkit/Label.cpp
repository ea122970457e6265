#include "toolkit/Label.h"

#include "toolkit/Colours.h"
#include "toolkit/Fonts.h"

namespace palettra::toolkit {

Label::Label(Window& owner, const ControlLayout& layout)
    : QLabel(QString::fromStdString(layout.caption), &owner)
{
    setFont(LabelFont(layout.font));
    setAlignment(Qt::AlignTop | (layout.alignment == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft));
    setTextFormat(Qt::PlainText);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ToQColor(Resolve(layout.foreColor.value_or(WindowTextColour))));
    setPalette(palette);
    setFocusPolicy(Qt::NoFocus);
}

void Label::SetCaption(const std::string& caption) { setText(QString::fromStdString(caption)); }

} // namespace palettra::toolkit
