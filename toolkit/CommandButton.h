#pragma once

#include "toolkit/Window.h"

#include <QPushButton>

namespace palettra::toolkit {

class CommandButton : public QPushButton {
public:
    CommandButton(Window& owner, const ControlLayout& layout);

    std::string Caption() const { return text().toStdString(); }
    void OnClick(Handler handler) { click_ = std::move(handler); }

    // Pressing the button from code runs its click handler before this returns.
    void SetValue(bool pressed);

    // Places the button in its box, its caption in the font at the window's zoom.
    void Place(const QRect& box, double zoom);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Clicked();

    Window& owner_;
    Handler click_;
};

} // namespace palettra::toolkit
