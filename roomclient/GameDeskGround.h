#pragma once
// The desk area of a room: a vertical scroll bar and one ground view for the room's
// mode, chosen once at creation. Room messages flow down to the view; the view's
// requests (playing flag, points, desk bytes) flow up to the room window as signals.
#include <QColor>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <span>

class CGameDeskGroundClient;
class QScrollBar;

namespace net {
struct PlayerRecord;
}

class CGameDeskGround : public QWidget {
    Q_OBJECT
public:
    // Ground modes of a hall.
    static constexpr uint8_t kCommonMode = 1;
    static constexpr uint8_t kChallengeMode = 2;
    // A mode halls may announce that has no view of its own.
    static constexpr uint8_t kViewlessMode = 3;
    // One scroll step in view pixels.
    static constexpr int kStep = 10;
    static constexpr int kScrollBarWidth = 15;

    CGameDeskGround() = default;
    ~CGameDeskGround() override;

    // A visible child of `parent` at `rect` with the view of `groundMode`.
    void Create(const QRect& rect, QWidget* parent, int controlId, uint8_t groundMode,
                uint8_t gameType, QColor colour);

    // A room message for the desk area (ids 30 and up but 33); stays the caller's.
    void OnGemeDeskMsg(std::span<const uint8_t> record);
    void SetMyInfo(const net::PlayerRecord& record);

    // Called by the view for its desk client.
    void SetPlaying(uint8_t flag) { emit PlayingChanged(flag != 0); }
    void SetMyPoints(int32_t points) { emit PointsChanged(points); }
    void SendTransMsg(const uint8_t* data, uint16_t size) { emit DeskBytesToSend(data, size); }

    CGameDeskGroundClient* Client() const { return m_pClient; }
    QScrollBar* ScrollBar() const { return m_scrollBar; }

signals:
    void PlayingChanged(bool playing);
    void PointsChanged(int32_t points);
    // The bytes are valid during the call only.
    void DeskBytesToSend(const uint8_t* data, uint16_t size);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnSize(const QRect& client);
    // Shows the view from scroll position `pos` on.
    void PlaceView(int pos);
    // The scroll range for the view's height; nothing to scroll when every row fits.
    int RangeMax() const;

    CGameDeskGroundClient* m_pClient = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    uint8_t groundMode_ = 0;
    QRect lastClient_;
};
