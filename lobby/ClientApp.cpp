#include "lobby/ClientApp.h"

#include "lobby/ClientDlg.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QEventLoop>
#include <QStringList>

#include <cstdio>

namespace {

// Windows has to start its sockets layer; Qt's sockets need no start-up.
bool SocketsInit()
{
    return true;
}

void Refuse(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    platform::MessageBox(text);
}

} // namespace

int CClientApp::InitInstance()
{
    const QStringList missing = platform::MissingResources();
    if (!missing.isEmpty()) {
        Refuse(QStringLiteral("Morvane 无法启动，缺少资源：%1").arg(missing.join(QStringLiteral(", "))));
        return 1;
    }
    if (!SocketsInit()) {
        Refuse(platform::String(res::IDS_SOCKETS_INIT_FAILED));
        return 1;
    }
    // The main dialog hides itself while it exits, so its loop ends on its quit, not
    // on its hiding.
    CClientDlg dlg;
    QEventLoop loop;
    QObject::connect(&dlg, &CClientDlg::Quit, &loop, &QEventLoop::quit);
    dlg.show();
    loop.exec();
    return 0;
}
