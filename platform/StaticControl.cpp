#include "platform/StaticControl.h"

#include <QMouseEvent>

namespace platform {

void StaticControl::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    if (notify_ && event->button() == Qt::LeftButton)
        emit clicked();
}

} // namespace platform
