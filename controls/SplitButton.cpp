#include "controls/SplitButton.h"

#include <QMouseEvent>

CSplitButton::CSplitButton(QWidget* parent)
    : QPushButton(QStringLiteral(">"), parent)
{
}

void CSplitButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (state_ == 1) {
            emit Fold();
            state_ = 0;
            setText(QStringLiteral("<"));
        } else {
            emit Unfold();
            state_ = 1;
            setText(QStringLiteral(">"));
        }
    }
    QPushButton::mouseReleaseEvent(event);
}
