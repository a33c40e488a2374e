#include "roomclient/CommonDeskGroundClient.h"

#include "roomclient/GameDeskGround.h"

#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Three-seat desks belong to game type 5.
constexpr uint8_t kThreeSeatGame = 5;

} // namespace

CCommonDeskGroundClient::CCommonDeskGroundClient() = default;
CCommonDeskGroundClient::~CCommonDeskGroundClient() = default;

bool CCommonDeskGroundClient::CreateClient(const QRect& rect, CGameDeskGround* parent, int controlId,
                                           uint8_t groundMode, uint8_t gameType, QColor colour)
{
    ground_ = parent;
    background_ = colour;
    hoverCursor_ = QCursor(platform::Icon(res::IDI_SEAT_HOVER).pixmap(32, 32));
    seats_ = gameType == kThreeSeatGame ? 3 : 2;
    bitmaps_ = CDeskBitmaps::Load();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    grid_ = CDeskGrid::FromWidth(rect.width(), CCommonDesk::kCellWidth, CCommonDesk::kCellHeight);
    lastClient_ = QRect(0, 0, rect.width(), grid_ ? grid_->Height() : rect.height());
    ResizeSurface();
    CGameDeskGroundClient::CreateClient(QRect(rect.topLeft(), lastClient_.size()), parent, controlId,
                                        groundMode, gameType, colour);
    if (!grid_) {
        platform::MessageBox(QStringLiteral("场地太小，放不开游戏桌"));
        return true;
    }
    CreateDesks();
    return true;
}

void CCommonDeskGroundClient::CreateDesks()
{
    if (!desks_.empty() || !grid_)
        return;
    desks_.reserve(CDeskGrid::kDesks);
    for (int n = 1; n <= CDeskGrid::kDesks; ++n) {
        desks_.emplace_back(&bitmaps_, background_);
        desks_.back().Layout(n, seats_, grid_->Cell(n));
    }
}

const CCommonDesk* CCommonDeskGroundClient::Desk(int number) const
{
    if (number < 1 || number > static_cast<int>(desks_.size()))
        return nullptr;
    return &desks_[number - 1];
}

CCommonDesk* CCommonDeskGroundClient::DeskOrNull(int number)
{
    return const_cast<CCommonDesk*>(Desk(number));
}

void CCommonDeskGroundClient::SetMyInfo(const net::PlayerRecord& record)
{
    myInfo_ = record;
}

void CCommonDeskGroundClient::SetViewRect(int left, int top, int right, int bottom)
{
    viewRect_ = QRect(left, top, right - left, bottom - top);
}

void CCommonDeskGroundClient::SendTransMsg(const uint8_t* data, uint16_t size)
{
    if (ground_)
        ground_->SendTransMsg(data, size);
}

void CCommonDeskGroundClient::SetPlaying(uint8_t flag)
{
    if (ground_)
        ground_->SetPlaying(flag);
}

void CCommonDeskGroundClient::SetMyPoints(int32_t points)
{
    myInfo_.points = points;
    if (ground_)
        ground_->SetMyPoints(points);
}

// ---- layout and painting

void CCommonDeskGroundClient::MoveClient(const QRect& rect)
{
    setGeometry(rect);
    OnSize(rect.width());
}

void CCommonDeskGroundClient::resizeEvent(QResizeEvent* event)
{
    OnSize(width());
    CGameDeskGroundClient::resizeEvent(event);
}

void CCommonDeskGroundClient::OnSize(int width)
{
    // A width that holds no cell keeps the previous layout.
    if (auto grid = CDeskGrid::FromWidth(width, CCommonDesk::kCellWidth, CCommonDesk::kCellHeight))
        grid_ = grid;
    // The view is as tall as its rows; the ground then places it for its scroll position.
    const QRect client(0, 0, width, grid_ ? grid_->Height() : height());
    if (geometry() != client)
        setGeometry(client);
    if (client == lastClient_)
        return;
    lastClient_ = client;
    if (grid_)
        for (CCommonDesk& desk : desks_)
            desk.MoveTo(grid_->Cell(desk.Number()));
    ResizeSurface();
}

void CCommonDeskGroundClient::ResizeSurface()
{
    surface_ = QImage(lastClient_.size(), QImage::Format_RGB32);
    stale_ = QRegion(lastClient_);
    update();
}

template <typename Draw>
void CCommonDeskGroundClient::DrawNow(const QRect& area, Draw draw)
{
    if (surface_.isNull())
        return;
    {
        QPainter painter(&surface_);
        // What is drawn now must not be painted over later by a first rendering.
        RenderStale(painter, QRegion(area));
        draw(painter);
    }
    update(area);
}

void CCommonDeskGroundClient::RenderStale(QPainter& painter, const QRegion& area)
{
    const QRegion todo = stale_ & area;
    if (todo.isEmpty())
        return;
    for (const QRect& clip : todo)
        RenderClip(painter, clip);
    painter.setClipping(false);
    stale_ -= todo;
}

void CCommonDeskGroundClient::RenderClip(QPainter& painter, const QRect& clip)
{
    painter.setClipRect(clip);
    painter.fillRect(clip, background_);
    for (const CCommonDesk& desk : desks_) {
        const QRect& cell = desk.Cell();
        if (clip.bottom() >= cell.top() && cell.bottom() >= clip.top())
            desk.Draw(painter);
    }
}

void CCommonDeskGroundClient::paintEvent(QPaintEvent* event)
{
    CreateDesks();
    {
        QPainter painter(&surface_);
        RenderStale(painter, event->region());
    }
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, surface_, area);
}

// ---- room messages

void CCommonDeskGroundClient::OnRcvMsg(std::span<const uint8_t> record)
{
    switch (net::ByteReader(record).U8(0)) {
    case net::RoomMsg::DeskList:
        OnDeskList(record);
        break;
    case net::RoomMsg::SeatTaken:
        OnSeatTaken(record);
        break;
    case net::RoomMsg::SeatFreed:
        OnSeatFreed(record);
        break;
    case net::RoomMsg::GameStarted:
        OnDeskState(record, 1);
        break;
    case net::RoomMsg::GameEnded:
        OnDeskState(record, 0);
        break;
    default:
        // Desk messages for the own desk (100) go to a desk client once there is one.
        break;
    }
}

void CCommonDeskGroundClient::OnDeskList(std::span<const uint8_t> record)
{
    deskListReceived_ = true;
    const auto list = net::DeskList::DecodeCommon(net::ByteReader(record).From(net::kRecordHeaderSize));
    for (CCommonDesk& desk : desks_) {
        desk.SetFromDeskRecord(list[desk.Number() - 1]);
        DrawNow(desk.Cell(), [&](QPainter& p) { desk.Draw(p); });
    }
}

void CCommonDeskGroundClient::OnSeatTaken(std::span<const uint8_t> record)
{
    const net::ByteReader reader(record);
    const int seat = reader.U8(10);
    CCommonDesk* desk = DeskOrNull(reader.U8(8));
    if (!desk || seat < 1 || seat > seats_)
        return;
    net::SeatEntry entry = net::SeatEntry::Decode(reader.From(12));
    // Whatever the sender put there, a taken seat is occupied.
    entry.occupied = 1;
    desk->SetSeatEntry(seat, entry);
    RedrawSeat(desk->Number(), seat);
}

void CCommonDeskGroundClient::OnSeatFreed(std::span<const uint8_t> record)
{
    const net::ByteReader reader(record);
    const int seat = reader.U8(10);
    CCommonDesk* desk = DeskOrNull(reader.U8(8));
    if (!desk || seat < 1 || seat > seats_)
        return;
    desk->SetOccupied(seat, false);
    RedrawSeat(desk->Number(), seat);
}

void CCommonDeskGroundClient::OnDeskState(std::span<const uint8_t> record, uint8_t state)
{
    CCommonDesk* desk = DeskOrNull(net::ByteReader(record).U8(8));
    if (!desk)
        return;
    desk->SetState(state);
    DrawNow(desk->PictureRect(), [&](QPainter& p) { desk->DrawPicture(p); });
}

void CCommonDeskGroundClient::RedrawSeat(int number, int seat)
{
    const CCommonDesk& desk = desks_[number - 1];
    DrawNow(desk.SeatRect(seat) | desk.NameRect(seat), [&](QPainter& p) { desk.DrawSeat(p, seat); });
}

// ---- mouse

bool CCommonDeskGroundClient::OnHoveredSeat(const QPoint& at) const
{
    return hoveredSeat_ != 0 && desks_[hoveredDesk_ - 1].SeatRect(hoveredSeat_).contains(at);
}

void CCommonDeskGroundClient::FrameSeat(bool pressed)
{
    const CCommonDesk& desk = desks_[hoveredDesk_ - 1];
    const int seat = hoveredSeat_;
    DrawNow(desk.SeatRect(seat), [&](QPainter& p) { desk.DrawSeatFrame(p, seat, pressed); });
}

void CCommonDeskGroundClient::ClearHover()
{
    if (hoveredSeat_ != 0)
        RedrawSeat(hoveredDesk_, hoveredSeat_);
    hoveredDesk_ = 0;
    hoveredSeat_ = 0;
    UpdateCursor();
}

void CCommonDeskGroundClient::UpdateCursor()
{
    if (hoveredSeat_ != 0)
        setCursor(hoverCursor_);
    else
        unsetCursor();
}

void CCommonDeskGroundClient::mouseMoveEvent(QMouseEvent* event)
{
    if (!deskListReceived_ || desks_.empty())
        return;
    const QPoint at = event->position().toPoint();
    if (hoveredSeat_ != 0) {
        if (OnHoveredSeat(at)) {
            FrameSeat(false);
            return;
        }
        ClearHover();
    }
    const int number = grid_->DeskAt(at.x(), at.y());
    if (number == 0)
        return;
    if (const int seat = desks_[number - 1].SeatAt(at)) {
        hoveredDesk_ = number;
        hoveredSeat_ = seat;
        FrameSeat(false);
        UpdateCursor();
    }
}

void CCommonDeskGroundClient::leaveEvent(QEvent* event)
{
    if (deskListReceived_)
        ClearHover();
    CGameDeskGroundClient::leaveEvent(event);
}

void CCommonDeskGroundClient::mousePressEvent(QMouseEvent* event)
{
    if (!deskListReceived_ || event->button() != Qt::LeftButton)
        return;
    // The ground takes the focus so that the wheel scrolls it.
    if (ground_)
        ground_->setFocus(Qt::MouseFocusReason);
    if (!OnHoveredSeat(event->position().toPoint()))
        return;
    FrameSeat(true);
    emit SeatClicked(hoveredDesk_, hoveredSeat_);
}

void CCommonDeskGroundClient::mouseReleaseEvent(QMouseEvent* event)
{
    if (deskListReceived_ && event->button() == Qt::LeftButton && OnHoveredSeat(event->position().toPoint()))
        FrameSeat(false);
    CGameDeskGroundClient::mouseReleaseEvent(event);
}
