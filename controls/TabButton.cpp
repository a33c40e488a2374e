#include "controls/TabButton.h"

#include "platform/Fonts.h"
#include "platform/MessageBoxes.h"
#include "platform/Text.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

const QColor CTabButton::kInactiveBorder(140, 120, 100);
const QColor CTabButton::kActiveBorder(60, 160, 200);

CTabButton::CTabButton(int controlId, const QPixmap& inactiveImage, const QPixmap& activeImage, QWidget* parent)
    : QAbstractButton(parent),
      controlId_(controlId),
      inactiveImage_(inactiveImage),
      activeImage_(activeImage),
      font_(platform::FontFamily(QStringLiteral("宋体")))
{
    font_.setPixelSize(12);
}

int CTabButton::WidthFor(const QString& caption)
{
    return platform::GbkLength(caption) * 6 + 20;
}

void CTabButton::Set(const QString& caption, int key, bool active)
{
    caption_ = caption;
    key_ = key;
    active_ = active;
    const int w = WidthFor(caption);
    resize(w, kHeight);
    // The two top corners lose three pixels each.
    QRegion shape(0, 0, w, kHeight);
    for (const QRect& corner : {QRect(0, 0, 2, 1), QRect(0, 1, 1, 1), QRect(w - 2, 0, 2, 1), QRect(w - 1, 1, 1, 1)})
        shape -= corner;
    setMask(shape);
    update();
}

void CTabButton::SetActive(bool active)
{
    active_ = active;
    update();
}

void CTabButton::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.drawPixmap(rect(), active_ ? activeImage_ : inactiveImage_);
    painter.setPen(active_ ? kActiveBorder : kInactiveBorder);
    // The active tab is open at the bottom, joining the page below it.
    const QPoint right[] = {{0, 2}, {2, 0}, {w - 3, 0}, {w - 1, 2}, {w - 1, h - 1}};
    painter.drawPolyline(right, 5);
    if (!active_)
        painter.drawLine(w - 1, h - 1, 0, h - 1);
    painter.drawLine(0, h - 1, 0, 2);
    if (caption_.isEmpty())
        return;
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const int x = (w - platform::GbkLength(caption_) * 12 / 2) / 2;
    const int y = (h - 12) / 2 + (active_ ? 1 : 0);
    painter.drawText(QRect(x, y, w - x, h - y), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void CTabButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !active_) {
        SetActive(true);
        emit Clicked(controlId_, key_);
    }
    QAbstractButton::mousePressEvent(event);
}

void CTabButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (gameFlag_) {
        platform::MessageBox(QStringLiteral("游戏进行中，请先关闭游戏！"));
        return;
    }
    emit DoubleClicked(controlId_, key_);
}
