#include "server/HashWorker.h"

#include "server/PasswordHash.h"

#include <sched.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <string>

namespace server {

namespace {

constexpr int kWorkerFd = 3;

[[noreturn]] void WorkerMain()
{
    // Only what nobody else wants: hashing is slow on purpose and would take every core.
    const sched_param none{};
    if (sched_setscheduler(0, SCHED_IDLE, &none) != 0)
        setpriority(PRIO_PROCESS, 0, 19);
    // The server stops its workers itself; a Ctrl-C meant for the server is not for them.
    signal(SIGINT, SIG_IGN);
    signal(SIGTERM, SIG_IGN);
    std::array<uint8_t, 512> packet;
    for (;;) {
        const ssize_t n = recv(kWorkerFd, packet.data(), packet.size(), 0);
        if (n <= 0)
            _exit(0); // the server closed its end or went away
        const size_t size = static_cast<size_t>(n);
        const size_t hashLength = packet[0];
        uint8_t answer = 0;
        if (1 + hashLength <= size) {
            const std::string hash(packet.begin() + 1, packet.begin() + 1 + static_cast<std::ptrdiff_t>(hashLength));
            const std::string_view password(reinterpret_cast<const char*>(packet.data()) + 1 + hashLength,
                                            size - 1 - hashLength);
            answer = VerifyPassword(hash, password) ? 1 : 0;
        }
        if (send(kWorkerFd, &answer, 1, MSG_NOSIGNAL) != 1)
            _exit(0);
    }
}

} // namespace

HashWorker HashWorker::Spawn()
{
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
        return {};
    const pid_t pid = fork();
    if (pid < 0) {
        close(pair[0]);
        close(pair[1]);
        return {};
    }
    if (pid == 0) {
        // Nothing of the server's stays open here: listening ports, clients, the database.
        dup2(pair[1], kWorkerFd);
        close_range(kWorkerFd + 1, ~0u, 0);
        WorkerMain();
    }
    close(pair[1]);
    return {pid, pair[0]};
}

void HashWorker::Stop()
{
    if (fd >= 0)
        close(fd);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    fd = -1;
    pid = -1;
}

std::vector<uint8_t> HashWorker::EncodeCheck(std::string_view hash, std::string_view password)
{
    // Hashes are at most 127 bytes, passwords a login field of 20: a packet holds both.
    hash = hash.substr(0, 255);
    password = password.substr(0, 255);
    std::vector<uint8_t> packet;
    packet.reserve(1 + hash.size() + password.size());
    packet.push_back(static_cast<uint8_t>(hash.size()));
    packet.insert(packet.end(), hash.begin(), hash.end());
    packet.insert(packet.end(), password.begin(), password.end());
    return packet;
}

} // namespace server
