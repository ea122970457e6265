#include "desktop/ButtonWidget.h"

#include "desktop/Colours.h"
#include "desktop/Fonts.h"
#include "desktop/Described.h"
#include "desktop/QtGeometry.h"

#include <QKeyEvent>

namespace palettra::desktop {

using namespace toolkit;

ButtonWidget::ButtonWidget(CommandButton& button, QWidget& window)
    : QPushButton(QString::fromStdString(button.ShownCaption()), &window)
{
    const ControlLayout& layout = button.Layout();
    setFocusPolicy(Qt::StrongFocus);
    if (layout.graphical && layout.backColor) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Button, ToQColor(Resolve(*layout.backColor)));
        setPalette(palette);
    }
    connect(this, &QPushButton::clicked, this, [&button] { button.Press(); });
}

void ButtonWidget::Place(const Rect& box, double zoom, const TouchReach&)
{
    setFont(ButtonFont(zoom));
    setGeometry(ToQRect(box));
}

void ButtonWidget::Describe(const std::string& description) { DescribeWidget(*this, description); }

void ButtonWidget::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button, as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace palettra::desktop
