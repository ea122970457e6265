#pragma once

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

// Where the style puts a part of a scroll bar (its thumb, an arrow button) as the bar stands now.
inline QRect ScrollBarPart(const QScrollBar& bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}
