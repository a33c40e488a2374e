#include "controls/SWHeadCtrl.h"

#include "platform/Fonts.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QMouseEvent>
#include <QPainter>

const QColor CSWHeadCtrl::kTextColour(250, 250, 250);

CSWHeadCtrl::CSWHeadCtrl(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      normal_(platform::Bitmap(res::IDB_HEADER_NORMAL)),
      pressed_(platform::Bitmap(res::IDB_HEADER_PRESSED)),
      font_(platform::FontFamily(QStringLiteral("新宋体")))
{
    font_.setPixelSize(12);
    setFont(font_);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSectionsMovable(false);
}

void CSWHeadCtrl::SetBitmaps(const QPixmap& normal, const QPixmap& pressed)
{
    normal_ = normal;
    pressed_ = pressed;
    viewport()->update();
}

void CSWHeadCtrl::SetSortMark(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    viewport()->update();
}

void CSWHeadCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font_);
    painter.setPen(kTextColour);
    const int height = viewport()->height();
    int end = 0;
    for (int visual = 0; visual < count(); ++visual) {
        const int column = logicalIndex(visual);
        if (isSectionHidden(column))
            continue;
        const QRect rect(sectionViewportPosition(column), 0, sectionSize(column), height);
        PaintHeading(painter, rect, column);
        end = std::max(end, rect.x() + rect.width());
    }
    if (end < viewport()->width())
        PaintHeading(painter, QRect(end, 0, viewport()->width() - end, height), -1);
}

void CSWHeadCtrl::PaintHeading(QPainter& painter, const QRect& rect, int column) const
{
    const bool pressed = column >= 0 && buttonDown_ && logicalIndexAt(mousePos_) == column;
    painter.save();
    painter.setClipRect(rect);
    // One pixel is left at the right as the gap between headings.
    painter.drawPixmap(QRect(rect.x(), rect.y(), rect.width() - 1, rect.height()), pressed ? pressed_ : normal_);
    if (column >= 0 && column == sortColumn_)
        PaintSortMark(painter, QRect(rect.x() + rect.width() - rect.height(), rect.y(), rect.height(), rect.height()));
    const QString text = column >= 0 ? model()->headerData(column, orientation()).toString() : QString();
    if (!text.isEmpty()) {
        const QRect box = rect.adjusted(5, 0, -5, 0);
        const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, box.width());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    }
    painter.restore();
}

void CSWHeadCtrl::PaintSortMark(QPainter& painter, const QRect& square) const
{
    const int s = square.height();
    const int e = s / 4;
    const int r = square.x() + square.width();
    const int y = square.y();
    painter.save();
    if (ascending_) {
        painter.setPen(Qt::white);
        painter.drawLine(r - e - 1, y + e, r - 2 * e - 1, y + s - e);
        painter.setPen(Qt::black);
        const QPoint dark[] = {{r - 2 * e - 2, y + s - e}, {r - 3 * e - 1, y + e}, {r - e - 1, y + e}};
        painter.drawPolyline(dark, 3);
    } else {
        painter.setPen(Qt::white);
        const QPoint light[] = {{r - 2 * e, y + e}, {r - e, y + s - e - 1}, {r - 3 * e - 2, y + s - e - 1}};
        painter.drawPolyline(light, 3);
        painter.setPen(Qt::black);
        painter.drawLine(r - 3 * e - 1, y + s - e - 1, r - 2 * e, y + e - 1);
    }
    painter.restore();
}

void CSWHeadCtrl::mousePressEvent(QMouseEvent* event)
{
    buttonDown_ = true;
    mousePos_ = event->position().toPoint();
    viewport()->update();
    QHeaderView::mousePressEvent(event);
}

void CSWHeadCtrl::mouseMoveEvent(QMouseEvent* event)
{
    mousePos_ = event->position().toPoint();
    if (buttonDown_)
        viewport()->update();
    QHeaderView::mouseMoveEvent(event);
}

void CSWHeadCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    buttonDown_ = false;
    mousePos_ = event->position().toPoint();
    viewport()->update();
    QHeaderView::mouseReleaseEvent(event);
}
