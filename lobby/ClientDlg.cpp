#include "lobby/ClientDlg.h"

#include "controls/MyPicBT.h"
#include "controls/MyTabCtrl.h"
#include "lobby/AboutDlg.h"
#include "lobby/HallTree.h"
#include "lobby/LoginDlg.h"
#include "lobby/TipDlg.h"
#include "net/RoomEntry.h"
#include "platform/Clock.h"
#include "platform/DialogBuilder.h"
#include "platform/MessageBoxes.h"
#include "platform/Messages.h"
#include "platform/ModalRunner.h"
#include "platform/Resources.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "res/ResourceIds.h"
#include "res/Templates.h"
#include "roomclient/HallClient.h"

#include <QAbstractButton>
#include <QBitmap>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int kExitButton = 1031;
constexpr int kMinimiseButton = 1032;
constexpr int kTreeId = 1005;
constexpr int kHtmlId = 1006;
constexpr int kHideHtmlButton = 1007;
constexpr int kLobbyKey = 1;

struct Layout {
    int background;
    QSize size;
    bool centred;
    QRect tabBar;
    QRect tree;
    QRect roomArea;  // also where the lobby page sits
};

const Layout kSmall{res::IDB_MAIN_SMALL, {800, 600}, true,
                    QRect(205, 80, 590, 25), QRect(5, 80, 195, 515), QRect(205, 105, 590, 490)};
const Layout kLarge{res::IDB_MAIN_LARGE, {1024, 768}, false,
                    QRect(205, 80, 814, 25), QRect(5, 80, 195, 683), QRect(205, 105, 814, 658)};

// A rectangle with corners rounded by an 8 x 8 ellipse.
QRegion RoundRect(const QSize& size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), size), 4, 4);
    return QRegion(path.toFillPolygon().toPolygon());
}

// A 16 x 16 tree image with white as its mask colour.
QIcon TreeImage(int id)
{
    QPixmap image = platform::Bitmap(id);
    image.setMask(image.createMaskFromColor(Qt::white));
    return QIcon(image);
}

} // namespace

CClientDlg::CClientDlg() : icon_(platform::Icon(res::IDI_APPLICATION_ICON)), session_(this, this)
{
    OnInitDialog();
}

CClientDlg::~CClientDlg()
{
    // Rooms go first, in opening order, while everything they may ask for still exists.
    for (OpenRoomEntry& room : rooms_)
        room.window.reset();
    rooms_.clear();
}

void CClientDlg::OnInitDialog()
{
    platform::DialogBuilder builder(*res::FindTemplate(res::IDD_CLIENT_DIALOG));
    builder.Replace(kTreeId, [this](const res::ControlTemplate&, QWidget* parent) {
        tree_ = new CHallTree(parent);
        return tree_;
    });
    for (int id : {kExitButton, kMinimiseButton})
        builder.Replace(id, [](const res::ControlTemplate&, QWidget* parent) { return new CMyPicBT(parent); });
    controls_ = builder.Build(*this);
    setWindowIcon(icon_);
    session_.SetLocalAddress(platform::LocalIPv4Address());

    login_ = new CLoginDlg(this, [this](const LoginRecord& record) { session_.OnLogin(record); },
                           [this] { PostQuit(); });
    tip_ = new CTipDlg(this);
    ShowLoginDlg();

    auto* exit = qobject_cast<CMyPicBT*>(controls_.at(kExitButton));
    auto* minimise = qobject_cast<CMyPicBT*>(controls_.at(kMinimiseButton));
    minimise->SetImages(res::IDB_MINIMISE, res::IDB_MINIMISE, res::IDB_MINIMISE_HOVER);
    exit->SetImages(res::IDB_EXIT, res::IDB_EXIT, res::IDB_EXIT_HOVER);
    exit_ = exit;
    minimise_ = minimise;
    connect(exit_, &QAbstractButton::clicked, this, &CClientDlg::OnExit);
    connect(minimise_, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(qobject_cast<QAbstractButton*>(controls_.at(kHideHtmlButton)), &QAbstractButton::clicked, this,
            [this] { html_.hide(); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, &CClientDlg::OnDblclkTree);

    CreateImageList();
    if (!html_.CreateFromStatic(kHtmlId, this))
        qFatal("CClientDlg: the lobby page has no placeholder");
    controls_[kHtmlId] = &html_;

    tab_ = new CMyTabCtrl;
    tab_->Create(QRect(200, 80, 595, 25), this, kTabBarId);
    tab_->AddDefaultButton(QStringLiteral("游戏大厅"), kLobbyKey);
    connect(tab_, &CMyTabCtrl::TabDeactivated, this, &CClientDlg::OnHideTab);
    connect(tab_, &CMyTabCtrl::TabActivated, this, &CClientDlg::OnShowTab);
    connect(tab_, &CMyTabCtrl::TabClosed, this, &CClientDlg::OnTabClosed);

    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    large_ = false;
    ApplyLayout(false);
}

void CClientDlg::CreateImageList()
{
    tree_->SetImageList({TreeImage(res::IDB_TREE_GROUP), TreeImage(res::IDB_TREE_COMMON),
                         TreeImage(res::IDB_TREE_CHALLENGE)});
}

QWidget* CClientDlg::Control(int id) const
{
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

void CClientDlg::ApplyLayout(bool large)
{
    const Layout& layout = large ? kLarge : kSmall;
    background_ = platform::Bitmap(layout.background);
    setMask(RoundRect(layout.size));
    const QSize screen = platform::FullScreenSize();
    const QPoint place = layout.centred ? QPoint((screen.width() - layout.size.width()) / 2,
                                                 (screen.height() - layout.size.height()) / 2)
                                        : QPoint(0, 0);
    setFixedSize(layout.size);
    move(place);
    if (tab_)
        tab_->setGeometry(layout.tabBar);
    tree_->setGeometry(layout.tree);
    html_.setGeometry(layout.roomArea);
    roomArea_ = layout.roomArea;
    for (OpenRoomEntry& room : rooms_) {
        room.window->setGeometry(roomArea_);
        if (room.active)
            room.window->update();
    }
    exit_->move(width() - 15 - exit_->width(), exit_->y());
    minimise_->move(width() - 40 - minimise_->width(), minimise_->y());
    if (large)
        update();
}

void CClientDlg::ToggleLayout()
{
    if (large_) {
        ApplyLayout(false);
        large_ = false;
        return;
    }
    ApplyLayout(platform::FullScreenSize().width() > 800);
    large_ = true;
}

void CClientDlg::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, background_, 0, 0, width(), height());
}

void CClientDlg::mousePressEvent(QMouseEvent* event)
{
    // The whole body drags the window, as a caption would.
    if (event->button() == Qt::LeftButton)
        dragOffset_ = event->globalPosition().toPoint() - pos();
    QDialog::mousePressEvent(event);
}

void CClientDlg::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
    QDialog::mouseMoveEvent(event);
}

void CClientDlg::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        ToggleLayout();
    QDialog::mouseDoubleClickEvent(event);
}

void CClientDlg::contextMenuEvent(QContextMenuEvent* event)
{
    // The system menu's about item lives in the window body's context menu.
    const QString about = platform::String(res::IDS_ABOUTBOX);
    if (about.isEmpty())
        return;
    QMenu menu(this);
    connect(menu.addAction(about), &QAction::triggered, this, [this] { OnSysCommand(kAboutCommand); });
    menu.exec(event->globalPos());
}

void CClientDlg::OnSysCommand(int command)
{
    if (command != kAboutCommand)
        return;
    CAboutDlg about(this);
    platform::modalRunner().Run(about);
}

void CClientDlg::OnDblclkTree()
{
    const QTreeWidgetItem* item = tree_->currentItem();
    // After the exit's clean-up there is no tab bar to open a room in.
    if (!tab_ || !item || item->childCount() > 0)
        return;
    if (const net::RoomEntry* entry = tree_->RoomEntryOf(item))
        OpenRoom(*entry);
}

void CClientDlg::OpenRoom(const net::RoomEntry& entry)
{
    const auto open = std::find_if(rooms_.begin(), rooms_.end(), [&](const OpenRoomEntry& room) {
        return room.window->HallNumber() == entry.hallNumber && room.window->RoomId() == entry.roomId;
    });
    if (open == rooms_.end()) {
        SwitchTo(CreateRoom(entry));
        return;
    }
    if (open->active)
        return;
    const uint8_t key = open->key;
    SwitchTo(key);
    tab_->SetActiveAndShow(key);
}

uint8_t CClientDlg::CreateRoom(const net::RoomEntry& entry)
{
    uint8_t key = static_cast<uint8_t>(rooms_.size() + 2);
    if (!freeKeys_.empty()) {
        key = freeKeys_.front();
        freeKeys_.pop_front();
    }
    auto window = std::make_unique<CHallClient>(this);
    window->SetRoomEntry(entry);
    CHallClient* room = window.get();
    rooms_.push_back({false, std::move(window), key});
    room->Create(this, roomArea_, key + kRoomIdBase);
    room->SetMyInfo(session_.MyInfo());
    tab_->AddTabButton(platform::FromGbk(entry.roomName.Bytes().data(), entry.roomName.kSize), key);
    return key;
}

void CClientDlg::SwitchTo(uint8_t key)
{
    if (key == currentKey_)
        return;
    const uint8_t previous = currentKey_;
    OnShowTab(key);
    OnHideTab(previous);
}

void CClientDlg::OnShowTab(int key)
{
    currentKey_ = static_cast<uint8_t>(key);
    if (key == kLobbyKey) {
        html_.setEnabled(true);
        html_.show();
        html_.raise();
        return;
    }
    if (OpenRoomEntry* room = Find(key)) {
        room->active = true;
        room->window->setEnabled(true);
        room->window->setUpdatesEnabled(true);
        // Windows paints the active room over the others; here it also has to be on top
        // to get the mouse.
        room->window->raise();
        room->window->update();
    }
}

void CClientDlg::OnHideTab(int key)
{
    if (key == kLobbyKey) {
        html_.setEnabled(false);
        html_.hide();
        return;
    }
    if (OpenRoomEntry* room = Find(key)) {
        room->active = false;
        room->window->setUpdatesEnabled(false);
        room->window->setEnabled(false);
    }
}

void CClientDlg::OnTabClosed(int key)
{
    const auto closed = std::find_if(rooms_.begin(), rooms_.end(), [key](const OpenRoomEntry& r) { return r.key == key; });
    if (closed == rooms_.end())
        return;
    freeKeys_.push_back(closed->key);
    std::unique_ptr<CHallClient> window = std::move(closed->window);
    rooms_.erase(closed);
    if (closingFromRoom_)
        window.release()->deleteLater();
}

CClientDlg::OpenRoomEntry* CClientDlg::Find(int key)
{
    for (OpenRoomEntry& room : rooms_)
        if (room.key == key)
            return &room;
    return nullptr;
}

CClientDlg::OpenRoomEntry* CClientDlg::Find(const CHallClient* window)
{
    for (OpenRoomEntry& room : rooms_)
        if (room.window.get() == window)
            return &room;
    return nullptr;
}

void CClientDlg::SetGameFlag(CHallClient* room, bool playing)
{
    if (OpenRoomEntry* open = Find(room))
        tab_->SetBtGameFlag(open->key, playing);
}

void CClientDlg::CloseRoom(CHallClient* room)
{
    OpenRoomEntry* open = Find(room);
    if (!open)
        return;
    closingFromRoom_ = true;
    tab_->CloseTabButton(open->key);
    closingFromRoom_ = false;
}

void CClientDlg::ShowTip(const QString& text)
{
    if (tip_)
        tip_->ShowTip(text);
}

void CClientDlg::HideTip()
{
    if (tip_)
        tip_->HideTip();
}

void CClientDlg::ShowLoginDlg()
{
    if (login_)
        login_->Show();
}

void CClientDlg::FillHallTree(const net::HallList& halls)
{
    tree_->Fill(halls);
}

void CClientDlg::MyInfoChanged(const net::PlayerRecord& record)
{
    for (OpenRoomEntry& room : rooms_)
        room.window->SetMyInfo(record);
}

void CClientDlg::OnExit()
{
    if (tab_ && tab_->AnyGameRunning()) {
        platform::MessageBox(QStringLiteral("请先关闭游戏客户端"));
        return;
    }
    hide();
    HideTip();
    for (OpenRoomEntry& room : rooms_)
        room.window.reset();
    rooms_.clear();
    delete login_;
    login_ = nullptr;
    delete tip_;
    tip_ = nullptr;
    delete tab_;
    tab_ = nullptr;
    session_.EndSession();
    platform::clock().SetTimer(this, kExitTimer, kExitDelay, [this] {
        platform::clock().KillTimer(this, kExitTimer);
        PostQuit();
    });
}

void CClientDlg::PostQuit()
{
    platform::PostMessage(this, [this] { EndDialog(); });
}

void CClientDlg::EndDialog()
{
    quit_ = true;
    emit Quit();
    QDialog::done(QDialog::Accepted);
}
