#pragma once

#include "toolkit/Window.h"

#include <QLabel>

namespace palettra::toolkit {

class Label : public QLabel {
public:
    Label(Window& owner, const ControlLayout& layout);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption);

    // Places the label in its layout box; the window calls it once the label exists.
    void Place(const QRect& box);

private:
    void ShowWhole();

    QRect layoutGeometry_;
};

} // namespace palettra::toolkit
