#include "controls/SWComboBox.h"

#include <QPainter>
#include <QPolygon>
#include <QStyle>

namespace {

const QColor kGreyFrame(132, 128, 132);
const QColor kHoverFrame(0, 0, 100);
const QColor kButton(150, 150, 180);
const QColor kHoverButton(180, 180, 200);

} // namespace

CSWComboBox::CSWComboBox(QWidget* parent) : QComboBox(parent) {}

int CSWComboBox::DropButtonWidth() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void CSWComboBox::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    const int t = DropButtonWidth();
    const QRect textPart(0, 0, w - t + 1, h);
    const QRect buttonPart(w - t, 0, t, h);

    QPainter painter(this);
    painter.setPen(hover_ ? kHoverFrame : kGreyFrame);
    painter.setBrush(Qt::white);
    painter.drawRect(textPart.adjusted(0, 0, -1, -1));
    painter.fillRect(buttonPart, hover_ ? kHoverButton : kButton);

    // Quarters are whole pixels first, as the corners of the triangle are.
    const int t4 = t / 4;
    const int h4 = h / 4;
    const QPolygon triangle({QPoint(w - 3 * t4, 2 * h4 - 1), QPoint(w - t4, 2 * h4 - 1),
                             QPoint(w - 3 * t4 + t4, 3 * h4 - 3)});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawPolygon(triangle);

    // An editable box shows its text in its own line edit.
    if (!isEditable())
        painter.drawText(textPart.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

void CSWComboBox::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QComboBox::enterEvent(event);
}

void CSWComboBox::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QComboBox::leaveEvent(event);
}
