#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QSize FullScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

} // namespace platform
