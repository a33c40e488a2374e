#pragma once
// One worker process that checks passwords for the server. Argon2 maps and unmaps
// 64 MiB for every check; inside the server's own address space each of those
// page-table changes reaches the processor of the event loop too (here they stalled
// chat by milliseconds), in a process of its own it reaches nobody.
//
// Over a socket pair of packets: a check is u8 hash length | hash | password, the
// answer one byte, 1 when the password matches.
#include <sys/types.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace server {

struct HashWorker {
    pid_t pid = -1;
    int fd = -1; // the server's end

    // Forks the worker; pid -1 when that fails. The worker lives until the server's
    // end closes (or the server dies).
    static HashWorker Spawn();
    // Ends the worker at once and reaps it.
    void Stop();

    static std::vector<uint8_t> EncodeCheck(std::string_view hash, std::string_view password);
};

} // namespace server
