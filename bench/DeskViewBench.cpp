// What a desk change costs the common view against redrawing every desk: a seat taken
// or freed (messages 41, 42) and a game started or ended (51, 52) draw one seat or one
// desk picture, where a desk list (32) redraws all 100 desks; and painting one row's
// clip box against painting the whole visible ground.
#include "roomclient/CommonDeskGroundClient.h"
#include "roomclient/GameDeskGround.h"

#include "net/ByteWriter.h"
#include "net/DeskList.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MicrosEach(int runs, const std::function<void(int)>& run)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        run(i);
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / runs;
}

net::MsgRecord SeatMsg(uint8_t id, uint8_t desk, uint8_t seat)
{
    std::vector<uint8_t> data(4 + net::SeatEntry::kSize, 0);
    data[0] = desk;
    data[2] = seat;
    net::SeatEntry entry;
    entry.player.name = "player";
    entry.occupied = 1;
    entry.Encode(net::ByteWriter(std::span(data).subspan(4)));
    return net::MsgRecord::Build(id, data);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget top;
    top.resize(600, 500);
    top.show();
    auto* ground = new CGameDeskGround;
    ground->Create(QRect(0, 0, 590, 470), &top, 101, CGameDeskGround::kCommonMode, 1, QColor(82, 113, 156));
    auto* view = qobject_cast<CCommonDeskGroundClient*>(ground->Client());

    std::vector<net::DeskRecord> desks(net::kRoomDeskCount);
    const net::MsgRecord list = net::MsgRecord::Build(net::RoomMsg::DeskList, net::DeskList::EncodeCommon(desks));
    std::vector<net::MsgRecord> changes;
    for (int i = 0; i < 400; ++i) {
        const uint8_t desk = static_cast<uint8_t>(1 + (i * 37) % 100);
        changes.push_back(SeatMsg(net::RoomMsg::SeatTaken, desk, static_cast<uint8_t>(1 + i % 2)));
        changes.push_back(SeatMsg(net::RoomMsg::SeatFreed, desk, static_cast<uint8_t>(1 + i % 2)));
        changes.push_back(net::MsgRecord::Build(net::RoomMsg::GameStarted, std::vector<uint8_t>{desk}));
    }
    ground->OnGemeDeskMsg(list.Bytes());
    QApplication::processEvents();

    const double deskList = MicrosEach(50, [&](int) { ground->OnGemeDeskMsg(list.Bytes()); });
    const double change = MicrosEach(static_cast<int>(changes.size()),
                                     [&](int i) { ground->OnGemeDeskMsg(changes[static_cast<size_t>(i)].Bytes()); });
    QApplication::processEvents();

    // A resize lays the desks out again, so the next paint renders what it shows.
    QImage target(600, view->height(), QImage::Format_RGB32);
    // Only the paint is timed; the resize before it lays the desks out again.
    auto firstPaint = [&](int height) {
        qint64 nanos = 0;
        const int runs = 20;
        for (int i = 0; i < runs; ++i) {
            ground->resize(i % 2 == 0 ? 600 : 590, 470);
            QElapsedTimer timer;
            timer.start();
            view->render(&target, QPoint(), QRegion(0, 0, view->width(), height));
            nanos += timer.nsecsElapsed();
        }
        return static_cast<double>(nanos) / 1000.0 / runs;
    };
    const double paintAll = firstPaint(view->height());
    const double paintVisible = firstPaint(470);
    const double paintRow = firstPaint(120);

    std::printf("desk view %dx%d, %d columns\n", view->width(), view->height(), view->Grid()->Columns());
    std::printf("desk list (100 desks redrawn):      %9.1f us\n", deskList);
    std::printf("seat or state change (one drawn):   %9.1f us   %.1fx cheaper\n", change, deskList / change);
    std::printf("first paint of every row:           %9.1f us\n", paintAll);
    std::printf("first paint of the visible ground:  %9.1f us   %.1fx cheaper\n", paintVisible, paintAll / paintVisible);
    std::printf("first paint of one row's clip box:  %9.1f us   %.1fx cheaper\n", paintRow, paintAll / paintRow);
    return 0;
}
