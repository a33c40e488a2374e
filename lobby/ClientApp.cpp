#include "lobby/ClientApp.h"

#include "lobby/ClientDlg.h"
#include "platform/MessageBoxes.h"
#include "platform/Resources.h"
#include "res/ResourceIds.h"

#include <QEventLoop>

#include <cstdio>

namespace {

// Windows has to start its sockets layer; Qt's sockets need no start-up.
bool SocketsInit()
{
    return true;
}

} // namespace

QString CClientApp::StartRefusal(const QStringList& missingResources, bool socketsUp)
{
    // A fresh tree without its art misses everything: the first few names say enough.
    constexpr qsizetype kNamed = 5;
    if (missingResources.size() > kNamed)
        return QStringLiteral("Morvane 无法启动，缺少资源：%1 等 %2 项")
            .arg(missingResources.first(kNamed).join(QStringLiteral(", ")))
            .arg(missingResources.size());
    if (!missingResources.isEmpty())
        return QStringLiteral("Morvane 无法启动，缺少资源：%1").arg(missingResources.join(QStringLiteral(", ")));
    if (!socketsUp)
        return platform::String(res::IDS_SOCKETS_INIT_FAILED);
    return {};
}

int CClientApp::InitInstance()
{
    const QString refusal = StartRefusal(platform::MissingResources(), SocketsInit());
    if (!refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", refusal.toLocal8Bit().constData());
        platform::MessageBox(refusal);
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
