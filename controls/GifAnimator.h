#pragma once
// The animation thread of one GIF control. The file is read once into memory; the
// thread decodes one frame per step, composes it over what lay under the control
// when it started and hands the composed picture to the control on the UI thread.
#include "controls/gif/GifPlayback.h"
#include "controls/gif/GifStream.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class CGifAnimator {
public:
    // `present` runs on `window`'s thread with every newly composed picture.
    CGifAnimator(QObject* window, std::function<void(const QImage&)> present);
    ~CGifAnimator();
    CGifAnimator(const CGifAnimator&) = delete;
    CGifAnimator& operator=(const CGifAnimator&) = delete;

    // Stops a running thread and reads `path`; false for a missing or unreadable
    // file, a signature other than GIF87a/GIF89a or a short global colour table.
    bool ReadFile(const QString& path);
    // The logical screen of the file read (empty before).
    QSize ScreenSize() const { return screen_; }
    // Starts the thread over `background` (the logical screen as it is on show) when
    // a file with data is read and no thread runs yet.
    void StartThread(const QImage& background);
    // Asks the thread to stop and waits for it; it wakes at once from its sleep.
    void StopThread();
    // 1: keep showing the last frame; taken by the thread at the end of each step.
    void SetFrozen(bool frozen) { frozen_.store(frozen); }

private:
    void Run(gif::GifPlayback& playback);
    void Present(const std::vector<uint32_t>& shown, int width, int height);

    QObject* window_;
    std::function<void(const QImage&)> present_;
    std::optional<gif::GifStream> stream_;
    QSize screen_;
    std::atomic<bool> frozen_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopRequested_ = false;
    std::thread thread_;
};
