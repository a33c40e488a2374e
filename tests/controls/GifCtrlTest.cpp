// The control with its real animation thread: Load, the picture handed to the widget,
// transparency over what was under the control, refused loads.
#include "controls/GifCtrl.h"
#include "tests/controls/GifTestBytes.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

using namespace giftest;

namespace {

const QColor kParent(10, 20, 30);

// Polls the event loop until `done` holds; the only wait is for the worker thread's
// first hand-over, capped generously.
bool WaitFor(const std::function<bool()>& done)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

class GifCtrlTest : public ::testing::Test {
protected:
    GifCtrlTest()
    {
        parent_.resize(60, 40);
        QPalette p = parent_.palette();
        p.setColor(QPalette::Window, kParent);
        parent_.setPalette(p);
        parent_.setAutoFillBackground(true);
        ctrl_ = new CGifCtrl(&parent_);
        ctrl_->setGeometry(5, 5, 10, 6);
    }

    QString Write(const char* name, const Bytes& bytes)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    // A 4 x 3 picture: red, green, transparent (index 2) and blue in its top row. Its
    // delay of 655 s keeps the thread asleep after the first frame.
    QString TransparentGif()
    {
        artgen::GifFrame f = EncFrame(0, 0, 4, 3, {0, 1, 2, 3, 0, 0, 0, 0, 1, 1, 1, 1}, 0xFFFF);
        f.transparentIndex = 2;
        return Write("transparent.gif", artgen::EncodeGif(EncImage(4, 3, {{255, 0, 0}, {0, 255, 0}, {7, 7, 7}, {0, 0, 255}}, {f})));
    }

    QColor Shown(int x, int y) { return ctrl_->grab().toImage().pixelColor(x, y); }

    QTemporaryDir dir_;
    QWidget parent_;
    CGifCtrl* ctrl_;
};

TEST_F(GifCtrlTest, LoadShowsThePictureOverWhatWasUnderTheControl)
{
    ASSERT_TRUE(ctrl_->Load(TransparentGif()));
    EXPECT_EQ(ctrl_->size(), QSize(12, 8));
    ASSERT_TRUE(WaitFor([&] { return Shown(1, 1) == QColor(255, 0, 0); }));
    // Drawn at (1,1): the top row of the picture is row 1 of the control.
    EXPECT_EQ(Shown(2, 1), QColor(0, 255, 0));
    EXPECT_EQ(Shown(3, 1), kParent);  // transparent
    EXPECT_EQ(Shown(4, 1), QColor(0, 0, 255));
    EXPECT_EQ(Shown(1, 2), QColor(255, 0, 0));
    // Destruction wakes the thread from its long sleep and joins it (a stop that did
    // not wake it would hang here), and drops pictures still queued.
    delete ctrl_;
    QCoreApplication::processEvents();
    EXPECT_TRUE(parent_.findChildren<CGifCtrl*>().isEmpty());
}

TEST_F(GifCtrlTest, SecondLoadIsRefusedAndKeepsTheFirstPicture)
{
    ASSERT_TRUE(ctrl_->Load(TransparentGif()));
    ASSERT_TRUE(WaitFor([&] { return Shown(1, 1) == QColor(255, 0, 0); }));
    const QString other = Write("other.gif", artgen::EncodeGif(EncImage(2, 2, {{1, 1, 1}, {2, 2, 2}}, {EncFrame(0, 0, 2, 2, {1, 1, 1, 1})})));
    EXPECT_FALSE(ctrl_->Load(other));
    EXPECT_EQ(ctrl_->size(), QSize(12, 8));
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(1, 1), QColor(255, 0, 0));
}

TEST_F(GifCtrlTest, PauseRightAfterLoadStillShowsTheFirstFrame)
{
    const Bytes file = artgen::EncodeGif(EncImage(
        1, 1, {{255, 0, 0}, {0, 0, 255}}, {EncFrame(0, 0, 1, 1, {0}), EncFrame(0, 0, 1, 1, {1})}));
    ASSERT_TRUE(ctrl_->Load(Write("two.gif", file)));
    ctrl_->Pause();
    EXPECT_TRUE(WaitFor([&] { return Shown(1, 1) == QColor(255, 0, 0); }));
}

TEST_F(GifCtrlTest, FailedLoadsLeaveTheControlEmptyAndOpenForALoad)
{
    const Bytes good = artgen::EncodeGif(EncImage(1, 1, {{255, 0, 0}, {0, 0, 255}}, {EncFrame(0, 0, 1, 1, {0})}));
    Bytes gif89b = good;
    gif89b[5] = 'b';
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"missing file", dir_.filePath(QStringLiteral("none.gif"))},
        {"GIF89b", Write("89b.gif", gif89b)},
        {"short global table", Write("short.gif", Bytes(good.begin(), good.begin() + 15))},
        {"empty file", Write("empty.gif", {})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ctrl_->Load(c.path));
        EXPECT_EQ(ctrl_->size(), QSize(10, 6));
        ctrl_->Play();
        ctrl_->Pause();
    }
    EXPECT_EQ(Shown(1, 1), kParent);
    EXPECT_TRUE(ctrl_->Load(Write("good.gif", good)));
    EXPECT_TRUE(WaitFor([&] { return Shown(1, 1) == QColor(255, 0, 0); }));
}

} // namespace
