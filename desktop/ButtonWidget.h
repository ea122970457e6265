#pragma once

#include "toolkit/controls/CommandButton.h"

#include <QPushButton>

namespace palettra::desktop {

class ButtonWidget : public QPushButton, public toolkit::ButtonPeer {
public:
    ButtonWidget(toolkit::CommandButton& button, QWidget& window);

    // Places the button in its box, its caption in the font at the window's zoom.
    void Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach&) override;
    void Describe(const std::string& description) override;
    void ShowCaption(const std::string& caption) override { setText(QString::fromStdString(caption)); }
    void Rename(const std::string& name) override { setAccessibleName(QString::fromStdString(name)); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace palettra::desktop
