#pragma once

#include "toolkit/Window.h"

#include <QLabel>

namespace palettra::toolkit {

class Label : public QLabel {
public:
    Label(Window& owner, const ControlLayout& layout);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption);
};

} // namespace palettra::toolkit
