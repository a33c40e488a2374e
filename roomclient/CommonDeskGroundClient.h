#pragma once
// The ground view of a common room: the 100 desks in a grid as wide as the view, kept
// current from the room's desk messages, with the seat under the mouse highlighted.
// Desks draw into the view's surface as their data change; a paint only copies the
// surface, rendering first whatever part of it is not drawn yet.
#include "roomclient/CommonDesk.h"
#include "roomclient/DeskGrid.h"
#include "roomclient/GameDeskGroundClient.h"

#include "net/PlayerRecord.h"

#include <QCursor>
#include <QImage>
#include <QRegion>

#include <optional>
#include <vector>

class CCommonDeskGroundClient : public CGameDeskGroundClient {
    Q_OBJECT
public:
    CCommonDeskGroundClient();
    ~CCommonDeskGroundClient() override;

    bool CreateClient(const QRect& rect, CGameDeskGround* parent, int controlId, uint8_t groundMode,
                      uint8_t gameType, QColor colour) override;
    void SetMyInfo(const net::PlayerRecord& record) override;
    void SetViewRect(int left, int top, int right, int bottom) override;
    void OnRcvMsg(std::span<const uint8_t> record) override;
    void SendTransMsg(const uint8_t* data, uint16_t size) override;
    void MoveClient(const QRect& rect) override;

    // For the desk client: the room's playing flag and the own points, passed up.
    void SetPlaying(uint8_t flag);
    void SetMyPoints(int32_t points);

    const std::optional<CDeskGrid>& Grid() const { return grid_; }
    const QRect& ViewRect() const { return viewRect_; }
    const net::PlayerRecord& MyInfo() const { return myInfo_; }
    int SeatsPerDesk() const { return seats_; }
    bool HasDeskList() const { return deskListReceived_; }
    // Desk 1 to 100; null before the desks exist.
    const CCommonDesk* Desk(int number) const;
    int HoveredDesk() const { return hoveredDesk_; }
    int HoveredSeat() const { return hoveredSeat_; }

signals:
    // The user clicked a seat: where a desk client asks the server for it.
    void SeatClicked(int desk, int seat);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnSize(int width);
    void CreateDesks();
    void ResizeSurface();
    // Draws on the surface now and shows the drawn area.
    template <typename Draw>
    void DrawNow(const QRect& area, Draw draw);
    // Renders the parts of `area` that were not drawn since the surface was made.
    void RenderStale(QPainter& painter, const QRegion& area);
    void RenderClip(QPainter& painter, const QRect& clip);

    void OnDeskList(std::span<const uint8_t> record);
    void OnSeatTaken(std::span<const uint8_t> record);
    void OnSeatFreed(std::span<const uint8_t> record);
    void OnDeskState(std::span<const uint8_t> record, uint8_t state);
    CCommonDesk* DeskOrNull(int number);
    void RedrawSeat(int desk, int seat);
    bool OnHoveredSeat(const QPoint& at) const;
    void FrameSeat(bool pressed);
    void ClearHover();
    void UpdateCursor();

    CGameDeskGround* ground_ = nullptr;
    QColor background_;
    QCursor hoverCursor_;
    int seats_ = 2;
    net::PlayerRecord myInfo_;
    std::optional<CDeskGrid> grid_;
    QRect viewRect_;
    QRect lastClient_;
    bool deskListReceived_ = false;
    int hoveredDesk_ = 0;
    int hoveredSeat_ = 0;
    CDeskBitmaps bitmaps_;
    std::vector<CCommonDesk> desks_;
    QImage surface_;
    QRegion stale_;
};
