#include "platform/Messages.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace platform {
namespace {

TEST(PostMessageTest, HandlersRunLaterInPostingOrder)
{
    QObject window;
    std::vector<int> handled;
    PostMessage(&window, [&] {
        handled.push_back(1);
        // Posted from a handler: after everything already waiting.
        PostMessage(&window, [&] { handled.push_back(3); });
    });
    PostMessage(&window, [&] { handled.push_back(2); });
    EXPECT_TRUE(handled.empty());
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(handled, (std::vector<int>{1, 2, 3}));
}

TEST(PostMessageTest, MessagesToADestroyedWindowAreDropped)
{
    auto window = std::make_unique<QObject>();
    QObject other;
    std::vector<int> handled;
    PostMessage(window.get(), [&] { handled.push_back(1); });
    PostMessage(&other, [&] { handled.push_back(2); });
    window.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(handled, std::vector<int>{2});
}

} // namespace
} // namespace platform
