#pragma once
// Windows font faces on this machine. A face that is not installed (宋体, 黑体, Fixedsys,
// System, ...) is replaced by an installed CJK family of a similar kind, so that Chinese
// text always has glyphs and sizes stay close to the Windows ones.
#include <QFont>
#include <QString>

namespace platform {

// The installed family that shows `face`.
QString FontFamily(const QString& face);
// `face` at `pointSize` as Windows makes it at 96 dots per inch (宋体 10 is 13 pixels).
QFont PointFont(const QString& face, int pointSize);

} // namespace platform
