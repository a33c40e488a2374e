#include "controls/GifAnimator.h"

#include "controls/gif/GifSchedule.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstring>

CGifAnimator::CGifAnimator(QObject* window, std::function<void(const QImage&)> present)
    : window_(window), present_(std::move(present))
{
}

CGifAnimator::~CGifAnimator()
{
    StopThread();
}

bool CGifAnimator::ReadFile(const QString& path)
{
    StopThread();
    stream_.reset();
    screen_ = QSize();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    stream_ = gif::GifStream::Open(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    if (!stream_)
        return false;
    screen_ = QSize(stream_->Width(), stream_->Height());
    return true;
}

void CGifAnimator::StartThread(const QImage& background)
{
    if (!stream_ || !stream_->HasData() || thread_.joinable())
        return;
    const int width = stream_->Width(), height = stream_->Height();
    const QImage under = background.convertToFormat(QImage::Format_RGB32);
    std::vector<uint32_t> canvas(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < std::min(height, under.height()); ++y)
        std::memcpy(&canvas[static_cast<std::size_t>(y) * width], under.constScanLine(y),
                    std::min(width, under.width()) * sizeof(uint32_t));
    stopRequested_ = false;
    thread_ = std::thread([this, playback = gif::GifPlayback(std::move(*stream_), std::move(canvas))]() mutable {
        Run(playback);
    });
    stream_.reset();
}

void CGifAnimator::StopThread()
{
    if (!thread_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void CGifAnimator::Run(gif::GifPlayback& playback)
{
    using Clock = std::chrono::steady_clock;
    // The first step always draws: the frozen flag is taken only at the end of a step.
    bool frozen = false;
    std::unique_lock lock(mutex_);
    while (!stopRequested_) {
        lock.unlock();
        const auto start = Clock::now();
        const gif::GifStep step = playback.Step(frozen);
        if (step.drawn)
            Present(playback.Shown(), playback.Width(), playback.Height());
        const auto busy = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        lock.lock();
        for (uint32_t sleeps = gif::StepSleeps(step.frameTimeMs, static_cast<uint32_t>(busy.count()));
             sleeps > 0 && !stopRequested_; --sleeps)
            wake_.wait_for(lock, std::chrono::milliseconds(gif::kSleepMs), [this] { return stopRequested_; });
        frozen = frozen_.load();
    }
}

// The hand-over: this thread never touches the widget. It copies the shown picture
// into a QImage of its own and queues a call on the control's thread; the control
// keeps the picture and repaints from it in its paint event. A call still queued when
// the control goes away is dropped with it, and the control stops this thread
// before that, so the call never outlives its receiver.
void CGifAnimator::Present(const std::vector<uint32_t>& shown, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return;
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), &shown[static_cast<std::size_t>(y) * width], width * sizeof(uint32_t));
    QMetaObject::invokeMethod(window_, [present = present_, image] { present(image); }, Qt::QueuedConnection);
}
