#pragma once
// GBK, the text of every record, to and from UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

namespace net {

// A character that has no GBK form becomes '?'.
std::string Utf8ToGbk(std::string_view utf8);
// A byte sequence that is not GBK becomes U+FFFD.
std::string GbkToUtf8(std::string_view gbk);
// Length in GBK bytes ("游戏大厅" is 8).
size_t GbkLength(std::string_view utf8);

} // namespace net
