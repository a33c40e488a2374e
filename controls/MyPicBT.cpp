#include "controls/MyPicBT.h"

#include "platform/Resources.h"

#include <QImage>
#include <QPainter>

CMyPicBT::CMyPicBT(QWidget* parent) : QAbstractButton(parent) {}

QRegion CMyPicBT::Shape(const QImage& image)
{
    QRegion shape;
    if (image.isNull())
        return shape;
    const QRgb transparent = image.pixel(0, 0);
    // Opaque pixels are gathered as runs along each row.
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && image.pixel(x, y) == transparent)
                ++x;
            const int start = x;
            while (x < image.width() && image.pixel(x, y) != transparent)
                ++x;
            if (x > start)
                shape += QRect(start, y, x - start, 1);
        }
    }
    return shape;
}

void CMyPicBT::SetImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hover)
{
    normal_ = normal;
    pressed_ = pressed;
    hoverImage_ = hover;
    shape_ = Shape(normal.toImage());
    resize(normal.size());
    setMask(shape_);
    show();
    update();
}

void CMyPicBT::SetImages(int normalId, int pressedId, int hoverId)
{
    SetImages(platform::Bitmap(normalId), platform::Bitmap(pressedId), platform::Bitmap(hoverId));
}

void CMyPicBT::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Each layer covers only the opaque part, so the window below shows elsewhere.
    painter.setClipRegion(shape_);
    const bool pressed = isDown();
    painter.drawPixmap(0, 0, pressed ? pressed_ : normal_);
    if (hover_ && !pressed)
        painter.drawPixmap(0, 0, hoverImage_);
}

void CMyPicBT::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CMyPicBT::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
