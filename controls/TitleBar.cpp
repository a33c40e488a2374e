#include "controls/TitleBar.h"

#include "platform/Resources.h"
#include "platform/Text.h"

#include <QPainter>

CTitleBar::CTitleBar(const QPixmap& bitmap)
    : bitmap_(bitmap)
{
}

void CTitleBar::Create(const QRect& rect, QWidget* parent, int controlId, const QString& title)
{
    setParent(parent);
    setObjectName(QString::number(controlId));
    title_ = title;
    if (bitmap_.isNull())
        bitmap_ = platform::Bitmap(kDefaultBitmap);
    if (rect.height() < kMinimumHeight)
        setGeometry(0, 0, rect.width(), kMinimumHeight);
    else
        setGeometry(rect);
    show();
}

void CTitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!bitmap_.isNull())
        painter.drawPixmap(rect(), bitmap_);
    const QString text = QStringLiteral("【%1】").arg(title_);
    const QRect box(0, 2, platform::GbkLength(text) * 20, 18);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}
