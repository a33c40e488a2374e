#include "controls/gif/GifSchedule.h"

namespace gif {

uint32_t FrameTimeMs(uint16_t delayCs)
{
    return delayCs == 0 ? kDefaultFrameMs : delayCs * 10u;
}

uint32_t StepSleeps(uint32_t frameTimeMs, uint32_t busyMs)
{
    if (busyMs + kSleepMs >= frameTimeMs)
        return 1;
    return (frameTimeMs - busyMs + kSleepMs - 1) / kSleepMs;
}

} // namespace gif
