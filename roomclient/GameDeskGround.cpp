#include "roomclient/GameDeskGround.h"

#include "roomclient/CommonDeskGroundClient.h"

#include "platform/MessageBoxes.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kLineSteps = 20;
constexpr int kPageSteps = 40;
constexpr int kViewId = 200;
constexpr int kScrollBarId = 100;

} // namespace

CGameDeskGround::~CGameDeskGround()
{
    delete m_pClient;
    delete m_scrollBar;
}

void CGameDeskGround::Create(const QRect& rect, QWidget* parent, int controlId, uint8_t groundMode,
                             uint8_t gameType, QColor colour)
{
    setParent(parent);
    setObjectName(QString::number(controlId));
    setGeometry(rect);
    groundMode_ = groundMode;
    // The view covers the ground; without one (modes without a view) the colour shows.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
    show();

    const int w = rect.width();
    const int h = rect.height();
    lastClient_ = QRect(0, 0, w, h);
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QString::number(kScrollBarId));
    m_scrollBar->setGeometry(w - kScrollBarWidth, 0, kScrollBarWidth, h);
    m_scrollBar->setSingleStep(kLineSteps);
    m_scrollBar->setPageStep(kPageSteps);
    m_scrollBar->setRange(0, 0);
    m_scrollBar->show();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &CGameDeskGround::PlaceView);

    switch (groundMode) {
    case kCommonMode:
        m_pClient = new CCommonDeskGroundClient;
        break;
    case kChallengeMode:
    case kViewlessMode:
        // Known modes without a view (the challenge rooms' entry-desk view is not part
        // of the client yet): the ground stays empty, without a word.
        return;
    default:
        platform::MessageBox(QStringLiteral("[CGameDeskGround::OnCreate]未知游戏模式类型"));
        return;
    }
    m_pClient->SetViewRect(0, 0, w, h);
    m_pClient->CreateClient(QRect(0, 0, w - kScrollBarWidth, h), this, kViewId, groundMode, gameType,
                            colour);
    m_pClient->SetViewRect(0, 0, w, h);
    m_scrollBar->setRange(0, RangeMax());
    m_scrollBar->setValue(0);
}

int CGameDeskGround::RangeMax() const
{
    if (!m_pClient)
        return 0;
    return std::max(0, (m_pClient->height() - lastClient_.height()) / kStep);
}

void CGameDeskGround::PlaceView(int pos)
{
    if (!m_pClient)
        return;
    const int top = kStep * pos;
    m_pClient->SetViewRect(0, top, lastClient_.width(), top + lastClient_.height());
    m_pClient->move(0, -top);
}

void CGameDeskGround::OnGemeDeskMsg(std::span<const uint8_t> record)
{
    if (!m_pClient) {
        // A known mode's ground without a view lets its desk messages pass quietly: one
        // box for every desk that changes would bury the room.
        if (groundMode_ != kChallengeMode && groundMode_ != kViewlessMode)
            platform::MessageBox(QStringLiteral("[CGameDeskGround::OnGemeDeskMsg]m_pClient isn't exist "));
        return;
    }
    m_pClient->OnRcvMsg(record);
}

void CGameDeskGround::SetMyInfo(const net::PlayerRecord& record)
{
    if (m_pClient)
        m_pClient->SetMyInfo(record);
}

void CGameDeskGround::resizeEvent(QResizeEvent* event)
{
    OnSize(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

void CGameDeskGround::OnSize(const QRect& client)
{
    if (client == lastClient_ || !m_scrollBar)
        return;
    lastClient_ = client;
    const int w = client.width();
    const int h = client.height();
    m_scrollBar->setGeometry(w - kScrollBarWidth, 0, kScrollBarWidth, h);
    if (!m_pClient)
        return;
    m_pClient->SetViewRect(0, 0, w, h);
    m_pClient->MoveClient(QRect(0, 0, w - kScrollBarWidth, h));
    const int oldMax = m_scrollBar->maximum();
    const int oldPos = m_scrollBar->value();
    const int newMax = RangeMax();
    // The thumb keeps its fraction of the range; a range that had nothing to scroll starts at the top.
    const int newPos = oldMax > 0 ? newMax * oldPos / oldMax : 0;
    const QSignalBlocker quiet(m_scrollBar);
    m_scrollBar->setRange(0, newMax);
    m_scrollBar->setValue(newPos);
    PlaceView(m_scrollBar->value());
}

void CGameDeskGround::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    m_scrollBar->setValue(std::clamp(m_scrollBar->value() - delta / kStep, 0, m_scrollBar->maximum()));
    PlaceView(m_scrollBar->value());
    event->accept();
}
