#include "controls/gif/GifPlayback.h"

#include "controls/gif/GifSchedule.h"

namespace gif {

GifPlayback::GifPlayback(GifStream stream, std::vector<uint32_t> background)
    : stream_(std::move(stream)), compositor_(stream_.Width(), stream_.Height(), std::move(background)),
      shown_(compositor_.Canvas())
{
}

GifStep GifPlayback::Step(bool frozen)
{
    GifStep step;
    compositor_.Dispose();
    if (!frozen) {
        if (const GifFrame* frame = stream_.NextFrame()) {
            compositor_.Draw(*frame);
            shown_ = compositor_.Canvas();
            step.drawn = true;
        }
    }
    step.frameTimeMs = FrameTimeMs(stream_.Control().delayCs);
    return step;
}

} // namespace gif
