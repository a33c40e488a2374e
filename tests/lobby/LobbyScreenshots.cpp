// Saves pictures of the main window in both layouts and of the login dialog, drawn
// offscreen: lobby_screenshots [folder] (default: ../screenshots from the bin folder).
#include "OffscreenScreen.h"
#include "lobby/ClientDlg.h"
#include "lobby/HallTree.h"
#include "lobby/LoginDlg.h"
#include "net/HallList.h"
#include "net/RoomEntry.h"
#include "platform/Text.h"
#include "platform/testing/ManualClock.h"
#include "platform/testing/RecordingMessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QTreeWidget>

#include <cstdio>

namespace {

net::HallEntry Hall(const QString& name, const QString& group, uint8_t mode, uint16_t number,
                    const QStringList& rooms)
{
    net::HallEntry entry;
    entry.hall.name = platform::ToGbk(name).toStdString();
    entry.hall.group = platform::ToGbk(group).toStdString();
    entry.hall.groundMode = mode;
    entry.hall.gameType = mode == 2 ? 11 : 1;
    entry.hall.hallNumber = number;
    entry.hall.address = "127.0.0.1";
    entry.hall.port = 1;
    for (const QString& room : rooms) {
        net::RoomRecord record;
        record.name = platform::ToGbk(room).toStdString();
        record.roomId = static_cast<uint16_t>(entry.rooms.size() + 1);
        entry.rooms.push_back(record);
    }
    return entry;
}

bool Save(QWidget& widget, const QDir& folder, const char* name)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool saved = widget.grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenScreen(QSize(1280, 1024));
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    QDir().mkpath(folder.path());
    // Rooms stay unconnected: their timers wait for a clock nobody advances.
    platform::ManualClock clock;
    platform::RecordingMessageBoxes boxes;

    CClientDlg dlg;
    dlg.FillHallTree({{Hall("田忌赛马", "休闲游戏", 1, 1, {"赛马一室", "赛马二室"}),
                       Hall("闯关大厅", "闯关游戏", 2, 2, {"闯关一室"}),
                       Hall("华容道", "休闲游戏", 1, 3, {"华容一室", "华容二室", "华容三室"})}});
    dlg.show();
    dlg.HallTree()->setCurrentItem(dlg.HallTree()->topLevelItem(0)->child(0)->child(0));
    bool saved = Save(*dlg.LoginDlg(), folder, "login.png");
    dlg.LoginDlg()->hide();
    saved = Save(dlg, folder, "main-small.png") && saved;

    dlg.ToggleLayout();
    net::RoomEntry room;
    room.gameType = 1;
    room.groundMode = 1;
    room.hallNumber = 1;
    room.roomId = 1;
    room.address = "127.0.0.1";
    room.port = 1;
    room.roomName = platform::ToGbk(QStringLiteral("赛马一室")).toStdString();
    dlg.OpenRoom(room);
    dlg.HideTip();
    saved = Save(dlg, folder, "main-large.png") && saved;
    return saved ? 0 : 1;
}
