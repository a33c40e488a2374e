#pragma once
// A message record received inside a request, checked before anything reads it: at
// least the 8-byte header, and a data length that covers exactly the bytes that came.
// A record that claims more or less than it carries is malformed.
#include "net/RecordView.h"

#include <optional>
#include <span>

namespace server {

std::optional<net::RecordView> CheckRecord(std::span<const uint8_t> bytes);

} // namespace server
