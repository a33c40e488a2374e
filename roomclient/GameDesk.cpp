#include "roomclient/GameDesk.h"

#include "platform/Resources.h"
#include "platform/Text.h"
#include "res/ResourceIds.h"

#include <QPainter>


namespace {

constexpr int kChair = 30;
const QColor kNameColour(200, 250, 200);
const QColor kLabelColour(220, 220, 220);

} // namespace

CDeskBitmaps CDeskBitmaps::Load()
{
    return {platform::Bitmap(res::IDB_DESK_IDLE),
            platform::Bitmap(res::IDB_DESK_PLAYING),
            platform::Bitmap(res::IDB_CHAIR_EMPTY),
            {platform::Bitmap(res::IDB_CHAIR_SEAT1), platform::Bitmap(res::IDB_CHAIR_SEAT2),
             platform::Bitmap(res::IDB_CHAIR_SEAT3)}};
}

CGameDesk::CGameDesk(const CDeskBitmaps* bitmaps, QColor background)
    : bitmaps_(bitmaps), background_(background)
{
}

const QFont& CGameDesk::Font()
{
    static const QFont font = [] {
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(kFontHeight);
        f.setWeight(QFont::Normal);
        return f;
    }();
    return font;
}

void CGameDesk::Layout(int number, int seats, const QRect& cell)
{
    number_ = number;
    seats_ = seats;
    cell_ = cell;
    const int deskWidth = 50;
    const int deskHeight = 30;
    picture_ = QRect(cell.left() + (cell.width() - deskWidth) / 2,
                     cell.top() + (cell.height() - deskHeight) / 2, deskWidth, deskHeight);
    const int gap = picture_.left() - cell.left();
    const int cellRight = cell.left() + cell.width();
    seatRects_[0] = QRect(cell.left() + gap / 5, picture_.top(), kChair, kChair);
    seatRects_[1] = QRect(cellRight - gap / 5 - kChair, picture_.top(), kChair, kChair);
    // A third seat (three-seat desks only) sits under the desk, centred on it.
    seatRects_[2] = QRect(picture_.left() + (deskWidth - kChair) / 2, picture_.top() + deskHeight,
                          kChair, kChair);
    label_ = QRect(cell.left(), cell.top() + cell.height() - 20, cell.width(), 20);
}

void CGameDesk::MoveTo(const QRect& cell)
{
    const QPoint shift = cell.topLeft() - cell_.topLeft();
    cell_.translate(shift);
    picture_.translate(shift);
    for (QRect& seat : seatRects_)
        seat.translate(shift);
    label_.translate(shift);
}

QRect CGameDesk::SeatRect(int seat) const
{
    return ValidSeat(seat) ? seatRects_[seat - 1] : QRect();
}

QString CGameDesk::LabelText() const
{
    return QStringLiteral("- %1 -").arg(number_);
}

int CGameDesk::SeatAt(const QPoint& point) const
{
    for (int seat = 1; seat <= seats_; ++seat)
        if (seatRects_[seat - 1].contains(point))
            return seat;
    return 0;
}

void CGameDesk::SetSeatEntry(int seat, const net::SeatEntry& entry)
{
    if (seat >= 1 && seat <= kMaxSeats)
        entries_[seat - 1] = entry;
}

bool CGameDesk::IsOccupied(int seat) const
{
    return ValidSeat(seat) && entries_[seat - 1].occupied != 0;
}

void CGameDesk::SetOccupied(int seat, bool occupied)
{
    if (ValidSeat(seat))
        entries_[seat - 1].occupied = occupied ? 1 : 0;
}

QString CGameDesk::SeatName(int seat) const
{
    if (!ValidSeat(seat))
        return {};
    return platform::FromGbk(QByteArray::fromStdString(entries_[seat - 1].player.name.Str()));
}

QRect CGameDesk::NameRect(int seat) const
{
    if (!ValidSeat(seat))
        return {};
    const int bytes = static_cast<int>(entries_[seat - 1].player.name.Str().size());
    const int width = bytes * kFontHeight / 2;
    const QRect& chair = seatRects_[seat - 1];
    const int height = 2 + kFontHeight;
    switch (seat) {
    case 1:
        return QRect(cell_.left(), chair.top() - 2 * kFontHeight, width, height);
    case 2:
        return QRect(cell_.left() + cell_.width() - width, chair.top() - 2 * kFontHeight, width, height);
    default:
        // Under the desk there is no room above the chair: the name goes to its right.
        return QRect(chair.right() + 3, chair.top() + (kChair - height) / 2, width, height);
    }
}

const QPixmap& CGameDesk::Chair(int seat) const
{
    return IsOccupied(seat) ? bitmaps_->seatChair[seat - 1] : bitmaps_->emptyChair;
}

void CGameDesk::Draw(QPainter& painter) const
{
    DrawPicture(painter);
    for (int seat = 1; seat <= seats_; ++seat)
        painter.drawPixmap(seatRects_[seat - 1].topLeft(), Chair(seat));
    for (int seat = 1; seat <= seats_; ++seat)
        if (IsOccupied(seat))
            DrawName(painter, seat);
    painter.setFont(Font());
    painter.setPen(kLabelColour);
    painter.drawText(label_, Qt::AlignCenter, LabelText());
}

void CGameDesk::DrawPicture(QPainter& painter) const
{
    painter.drawPixmap(picture_.topLeft(), state_ != 0 ? bitmaps_->playingDesk : bitmaps_->idleDesk);
}

void CGameDesk::DrawSeat(QPainter& painter, int seat) const
{
    if (!ValidSeat(seat))
        return;
    painter.drawPixmap(seatRects_[seat - 1].topLeft(), Chair(seat));
    if (IsOccupied(seat))
        DrawName(painter, seat);
    else
        painter.fillRect(NameRect(seat), background_);
}

void CGameDesk::DrawSeatFrame(QPainter& painter, int seat, bool pressed) const
{
    if (!ValidSeat(seat) || IsOccupied(seat))
        return;
    const QRect& r = seatRects_[seat - 1];
    const QColor light = pressed ? Qt::black : Qt::white;
    const QColor dark = pressed ? Qt::white : Qt::black;
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.drawLine(r.topLeft(), r.topRight());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

void CGameDesk::DrawName(QPainter& painter, int seat) const
{
    const QRect area = NameRect(seat);
    painter.setFont(Font());
    painter.setPen(kNameColour);
    // Names may run past their area (a wide font); like the original, they are not clipped.
    painter.drawText(QRect(area.left(), area.top(), area.width() + 2 * kFontHeight, area.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, SeatName(seat));
}
