#pragma once
// A picture button shaped by its picture: every pixel of the normal image that has
// the colour of its top-left pixel is cut out of the window, so clicks there reach
// the window below. Shows a pressed image while down and a hover image on top while
// the mouse is over it.
#include <QAbstractButton>
#include <QPixmap>
#include <QRegion>

class CMyPicBT : public QAbstractButton {
    Q_OBJECT
public:
    explicit CMyPicBT(QWidget* parent = nullptr);

    // Takes the images, shapes the button by the normal one and sizes it to it.
    void SetImages(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hover);
    // The same with bitmap resources.
    void SetImages(int normalId, int pressedId, int hoverId);

    bool Hovered() const { return hover_; }

    // The opaque part of `image`: everything but the pixels of its corner colour.
    static QRegion Shape(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap normal_;
    QPixmap pressed_;
    QPixmap hoverImage_;
    QRegion shape_;
    bool hover_ = false;
};
