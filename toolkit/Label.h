#pragma once

#include "toolkit/CaptionCache.h"
#include "toolkit/Window.h"

#include <QLabel>

class QStyleOption;

namespace palettra::toolkit {

class Label : public QLabel {
public:
    Label(Window& owner, const ControlLayout& layout);

    std::string Caption() const { return text().toStdString(); }
    void SetCaption(const std::string& caption);

    // Places the label in its box, in its font at the window's zoom; the window calls it once the
    // label exists and again whenever the zoom changes.
    void Place(const QRect& box, double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowWhole();
    void DrawCaption(QPainter& painter, const QStyleOption& option) const;

    LayoutFont font_;
    QRect layoutGeometry_;
    CaptionCache cache_;
};

} // namespace palettra::toolkit
