#pragma once
// GBK text for the user interface: records keep GBK bytes; they become QString only to
// be shown, and QString becomes GBK only when the user types it.
#include <QByteArray>
#include <QString>

#include <cstddef>

namespace platform {

// GBK bytes (up to the first NUL or `size`) to text.
QString FromGbk(const char* bytes, size_t size);
QString FromGbk(const QByteArray& bytes);
QByteArray ToGbk(const QString& text);
// Length of `text` in GBK bytes ("游戏大厅" is 8).
int GbkLength(const QString& text);

// The computer's own IPv4 address as dotted text; empty when the lookups fail.
QString LocalIPv4Address();

} // namespace platform
