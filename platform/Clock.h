#pragma once
// The time seam: window timers by (window, id, period), Sleep and GetTickCount.
// The program uses RealClock (Qt timers, real sleeps); tests install a ManualClock
// and advance time themselves, so no test waits for a real pause.
#include <cstdint>
#include <functional>

class QObject;

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since an arbitrary start; wraps like GetTickCount.
    virtual uint32_t TickCount() = 0;
    // Blocks the calling thread; on the UI thread nothing else runs meanwhile.
    virtual void Sleep(uint32_t ms) = 0;
    // Starts or restarts timer `id` of `window`; `fire` runs on the UI thread every
    // `periodMs` until KillTimer or the window's destruction. A timer needs a window.
    virtual void SetTimer(QObject* window, int id, uint32_t periodMs, std::function<void()> fire) = 0;
    virtual void KillTimer(QObject* window, int id) = 0;
};

// The clock every caller uses; a RealClock unless a test installed another one.
Clock& clock();
// Installs `c` (not owned) until the returned previous clock is put back; nullptr restores the real one.
Clock* SetClock(Clock* c);

} // namespace platform
