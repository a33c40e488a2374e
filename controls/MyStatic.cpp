#include "controls/MyStatic.h"

#include "platform/Fonts.h"
#include "platform/Text.h"

#include <QPainter>

const QColor CMyStatic::kDefaultColour(0, 63, 0);

CMyStatic::CMyStatic(QWidget* parent) : QWidget(parent) {}

QFont CMyStatic::Font() const
{
    QFont font(platform::FontFamily(face_));
    // Height 0 asks for the face's default size.
    if (fontHeight_ > 0)
        font.setPixelSize(fontHeight_);
    font.setWeight(QFont::Normal);
    return font;
}

int CMyStatic::TextLeft() const
{
    const int estimate = fontHeight_ / 2 * platform::GbkLength(text_);
    if (estimate >= width())
        return 0;
    switch (align_) {
    case kCentre:
        return (width() - estimate) / 2;
    case kRight:
        return width() - estimate;
    default:
        return 0;
    }
}

void CMyStatic::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(Font());
    painter.setPen(colour_);
    const int x = TextLeft();
    painter.drawText(QRect(x, 0, width() - x, height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text_);
}
