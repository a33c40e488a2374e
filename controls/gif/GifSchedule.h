#pragma once
// When the animation moves on. A step draws one frame and then sleeps in whole
// sleeps of kSleepMs until the frame time has passed, so every step lasts at least
// one sleep and frame times round up to whole sleeps; a stop request is looked at
// between sleeps, which bounds the thread's wake-ups to about three a second.
#include <cstdint>

namespace gif {

constexpr uint32_t kSleepMs = 300;
constexpr uint32_t kDefaultFrameMs = 50;

// The delay of the graphic control extension in milliseconds; 0 means the default.
uint32_t FrameTimeMs(uint16_t delayCs);
// Sleeps of kSleepMs after `busyMs` of drawing until `frameTimeMs` has passed; at least one.
uint32_t StepSleeps(uint32_t frameTimeMs, uint32_t busyMs);

} // namespace gif
