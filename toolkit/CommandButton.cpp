#include "toolkit/CommandButton.h"

#include "toolkit/Colours.h"
#include "toolkit/Fonts.h"

#include <QKeyEvent>

namespace palettra::toolkit {

CommandButton::CommandButton(Window& owner, const ControlLayout& layout)
    : QPushButton(QString::fromStdString(layout.caption), &owner)
    , owner_(owner)
{
    setFocusPolicy(Qt::StrongFocus);
    if (layout.graphical && layout.backColor) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Button, ToQColor(Resolve(*layout.backColor)));
        setPalette(palette);
    }
    connect(this, &QPushButton::clicked, this, [this] { Clicked(); });
}

void CommandButton::SetValue(bool pressed)
{
    if (pressed)
        Clicked();
}

void CommandButton::Place(const QRect& box, double zoom)
{
    setFont(ButtonFont(zoom));
    setGeometry(box);
}

void CommandButton::Clicked() { owner_.Act(*this, click_); }

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace palettra::toolkit
