#pragma once
// Window messages between the windows of the client keep their WM_USER numbers.
// PostMessage is a queued call on the UI thread (handled later, in order; dropped
// if the target is destroyed first); SendMessage is a plain synchronous call.
#include <functional>

class QObject;

namespace platform {

constexpr int WM_USER = 0x0400;

void PostMessage(QObject* target, std::function<void()> handler);

} // namespace platform
