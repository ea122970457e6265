#pragma once

#include "desktop/CaptionCache.h"
#include "toolkit/controls/Label.h"

#include <QLabel>

class QStyleOption;

namespace palettra::desktop {

class LabelWidget : public QLabel, public toolkit::LabelPeer {
public:
    LabelWidget(const toolkit::Label& label, QWidget& window);

    void ShowCaption(const std::string& caption) override;
    // Places the label in its box, in its font at the window's zoom; the window calls it once the
    // label exists and again whenever the zoom changes.
    void Place(const toolkit::Rect& box, double zoom, const toolkit::TouchReach&) override;
    void Describe(const std::string& description) override;
    void Rename(const std::string& name) override { setAccessibleName(QString::fromStdString(name)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowWhole();
    void DrawCaption(QPainter& painter, const QStyleOption& option) const;

    toolkit::LayoutFont font_;
    QRect layoutGeometry_;
    CaptionCache cache_;
};

} // namespace palettra::desktop
