#include "lobby/TipDlg.h"

#include "platform/DialogBuilder.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "res/Templates.h"

#include <QPainter>

const QColor CTipDlg::kFill(225, 225, 225);
const QColor CTipDlg::kTextColour(10, 10, 225);

CTipDlg::CTipDlg(QWidget* parent) : QDialog(parent)
{
    platform::DialogBuilder(*res::FindTemplate(res::IDD_TIP)).Build(*this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    font_ = QFont(platform::FontFamily(QStringLiteral("宋体")));
    font_.setPixelSize(12);
    font_.setWeight(QFont::Normal);
    resize(width(), kHeight);
}

void CTipDlg::ShowTip(const QString& text)
{
    text_ = text;
    const int w = platform::GbkLength(text) * 12 / 2 + 40;
    resize(w, height());
    const QSize screen = platform::FullScreenSize();
    move((screen.width() - w) / 2, (screen.height() - height()) / 2);
    show();
    update();
}

void CTipDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kFill);
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawRect(2, 2, w - 5, h - 5);
    p.setFont(font_);
    p.setPen(kTextColour);
    // The text's top at (h - 12) / 2, as the Windows text output places a cell.
    p.drawText(QRect(TextX(w, platform::GbkLength(text_)), (h - 12) / 2, w, 12),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text_);
}
