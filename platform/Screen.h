#pragma once
// Screen metrics: the full-screen work area (the primary screen's available geometry).
#include <QSize>

namespace platform {

QSize FullScreenSize();

} // namespace platform
