#include "platform/Messages.h"

#include <QMetaObject>
#include <QObject>

namespace platform {

void PostMessage(QObject* target, std::function<void()> handler)
{
    // Queued on the target's thread; Qt drops the call if the target dies first.
    QMetaObject::invokeMethod(target, std::move(handler), Qt::QueuedConnection);
}

} // namespace platform
