#pragma once

#include <QString>
#include <QWidget>

#include <string>

namespace palettra::desktop {

// A control's accessible description. Qt would send a change event for an unchanged text too.
inline void DescribeWidget(QWidget& widget, const std::string& text)
{
    const QString description = QString::fromStdString(text);
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}

} // namespace palettra::desktop
