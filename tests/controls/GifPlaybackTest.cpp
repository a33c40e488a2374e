// The animation steps without a thread: the schedule, the frozen flag and the shown
// copy, over fixtures written by the art encoder.
#include "controls/gif/GifPlayback.h"
#include "controls/gif/GifSchedule.h"
#include "tests/controls/GifTestBytes.h"

#include <gtest/gtest.h>

using namespace giftest;
using gif::GifPlayback;

namespace {

constexpr uint32_t kUnder = 0xFF445566;

struct ScheduleCase {
    const char* name;
    uint16_t delayCs;
    uint32_t busyMs;
    uint32_t stepMs;  // sleeps x 300 ms
};

TEST(GifScheduleTest, FrameTimesRoundUpToWholeSleeps)
{
    const std::vector<ScheduleCase> cases = {
        {"no delay: the default 50 ms takes one sleep", 0, 0, 300},
        {"40 hundredths: 400 ms takes two sleeps", 40, 0, 600},
        {"exactly one sleep", 30, 0, 300},
        {"just over one sleep", 31, 0, 600},
        {"exactly two sleeps", 60, 0, 600},
        {"drawing time counts towards the frame time", 70, 150, 600},
        {"slow drawing still sleeps once", 10, 900, 300},
        {"the longest delay", 0xFFFF, 0, 655500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(gif::StepSleeps(gif::FrameTimeMs(c.delayCs), c.busyMs) * gif::kSleepMs, c.stepMs);
    }
}

// A 3 x 1 screen; each frame paints one pixel with its own colour.
Bytes Animation(std::vector<artgen::GifFrame> frames)
{
    return artgen::EncodeGif(EncImage(3, 1, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}}, std::move(frames)));
}

artgen::GifFrame Dot(int x, uint8_t colour, int delayCs, artgen::GifDisposal disposal = artgen::GifDisposal::Keep)
{
    artgen::GifFrame f = EncFrame(x, 0, 1, 1, {colour}, delayCs);
    f.disposal = disposal;
    return f;
}

GifPlayback Play(Bytes file) { return GifPlayback(OpenOrDie(std::move(file)), std::vector<uint32_t>(3, kUnder)); }

constexpr uint32_t kR = 0xFFFF0000, kG = 0xFF00FF00, kB = 0xFF0000FF;

TEST(GifPlaybackTest, StepsThroughTheFramesWithTheirTimesAndLoops)
{
    GifPlayback playback = Play(Animation({Dot(0, 0, 0), Dot(1, 1, 40), Dot(2, 2, 7)}));
    const struct {
        std::vector<uint32_t> shown;
        uint32_t frameMs;
    } expected[] = {
        {{kR, kUnder, kUnder}, 50},
        {{kR, kG, kUnder}, 400},
        {{kR, kG, kB}, 70},
        {{kR, kG, kB}, 50},  // wrapped: the first frame again over the kept ones
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(&e - expected);
        const gif::GifStep step = playback.Step(false);
        EXPECT_TRUE(step.drawn);
        EXPECT_EQ(step.frameTimeMs, e.frameMs);
        EXPECT_EQ(playback.Shown(), e.shown);
    }
}

TEST(GifPlaybackTest, FrozenStepsKeepTheShownFrame)
{
    // The second frame restores its area; freezing after it must keep it on show
    // although the canvas under the shown copy is restored.
    GifPlayback playback = Play(Animation({Dot(0, 0, 10), Dot(0, 1, 20, artgen::GifDisposal::RestorePrevious),
                                           Dot(1, 2, 30)}));
    playback.Step(false);
    playback.Step(false);
    EXPECT_EQ(playback.Shown(), (std::vector<uint32_t>{kG, kUnder, kUnder}));
    for (int i = 0; i < 3; ++i) {
        const gif::GifStep step = playback.Step(true);
        EXPECT_FALSE(step.drawn);
        EXPECT_EQ(step.frameTimeMs, 200u);  // the delay of the last frame read
        EXPECT_EQ(playback.Shown(), (std::vector<uint32_t>{kG, kUnder, kUnder}));
    }
    // Playing again: the next frame is drawn over the restored canvas.
    EXPECT_TRUE(playback.Step(false).drawn);
    EXPECT_EQ(playback.Shown(), (std::vector<uint32_t>{kR, kB, kUnder}));
}

TEST(GifPlaybackTest, SingleImageShowsTheSameEveryStep)
{
    GifPlayback playback = Play(Animation({EncFrame(0, 0, 3, 1, {2, 1, 0})}));
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const gif::GifStep step = playback.Step(false);
        EXPECT_TRUE(step.drawn);
        EXPECT_EQ(gif::StepSleeps(step.frameTimeMs, 0), 1u);
        EXPECT_EQ(playback.Shown(), (std::vector<uint32_t>{kB, kG, kR}));
    }
}

TEST(GifPlaybackTest, TransparentFrameShowsWhatWasUnderTheControl)
{
    artgen::GifFrame f = EncFrame(0, 0, 3, 1, {3, 1, 3});
    f.transparentIndex = 3;
    GifPlayback playback = Play(Animation({f}));
    playback.Step(false);
    EXPECT_EQ(playback.Shown(), (std::vector<uint32_t>{kUnder, kG, kUnder}));
}

} // namespace
