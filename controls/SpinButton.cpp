#include "controls/SpinButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CSpinButton::CSpinButton(int controlId, QWidget* parent) : QAbstractButton(parent), controlId_(controlId) {}

void CSpinButton::SetImages(const QPixmap& enabled, const QPixmap& disabled)
{
    enabled_ = enabled;
    disabled_ = disabled;
    update();
}

void CSpinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Corners rounded by an ellipse of 4 x 4 pixels.
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(rect()), 2, 2);
    painter.setClipPath(rounded);
    painter.drawPixmap(rect(), isEnabled() ? enabled_ : disabled_);
}

void CSpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    // The press is the whole action: the button never shows a pressed state.
    emit Pressed(controlId_);
}
