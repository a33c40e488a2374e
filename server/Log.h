#pragma once
// One line per connection event or error on stderr, prefixed with the wall time.
#include <string_view>

namespace server {

void LogLine(std::string_view line);
// Silences LogLine (benchmarks and the fuzzer would drown in lines).
void SetLogQuiet(bool quiet);

} // namespace server
