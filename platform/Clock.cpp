#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <map>
#include <utility>

namespace platform {
namespace {

// Window timers are QTimers parented to their window, so they die with it.
class RealClock : public Clock {
public:
    RealClock() { started_.start(); }

    uint32_t TickCount() override { return static_cast<uint32_t>(started_.elapsed()); }

    void Sleep(uint32_t ms) override { QThread::msleep(ms); }

    void SetTimer(QObject* window, int id, uint32_t periodMs, std::function<void()> fire) override
    {
        if (!window)
            return;
        QTimer* timer = Find(window, id);
        if (!timer) {
            timer = new QTimer(window);
            timer->setObjectName(Name(id));
        }
        QObject::disconnect(timer, &QTimer::timeout, nullptr, nullptr);
        QObject::connect(timer, &QTimer::timeout, window, std::move(fire));
        timer->start(static_cast<int>(periodMs));
    }

    void KillTimer(QObject* window, int id) override
    {
        if (QTimer* timer = Find(window, id)) {
            // A timer may kill itself from its own handler: let it go later, nameless,
            // so that setting the same id again makes a fresh one.
            timer->stop();
            timer->setObjectName(QString());
            timer->deleteLater();
        }
    }

private:
    static QString Name(int id) { return QStringLiteral("platform-timer-%1").arg(id); }

    static QTimer* Find(QObject* window, int id)
    {
        return window ? window->findChild<QTimer*>(Name(id), Qt::FindDirectChildrenOnly) : nullptr;
    }

    QElapsedTimer started_;
};

RealClock& realClock()
{
    static RealClock instance;
    return instance;
}

Clock* current = nullptr;

} // namespace

Clock& clock()
{
    return current ? *current : realClock();
}

Clock* SetClock(Clock* c)
{
    Clock* previous = current;
    current = c;
    return previous;
}

} // namespace platform
