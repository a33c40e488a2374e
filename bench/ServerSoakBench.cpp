// Holds many connections on the real morvane-server and prints what each costs it:
// the server's resident memory over its idle start, divided by the connections.
// Every connection has made a valid request, so no pre-login deadline closes it.
//
//   server_soak_bench [--connections 10000] [--seconds 10]
#include "server/Cat.h"

#include "net/ByteReader.h"
#include "net/Envelope.h"
#include "net/MsgIds.h"
#include "net/MsgRecord.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

int Arg(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

long RssKiB(pid_t pid)
{
    FILE* f = std::fopen(server::Cat("/proc/", pid, "/status").c_str(), "r");
    char line[256];
    long kib = 0;
    while (f && std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    if (f)
        std::fclose(f);
    return kib;
}

int Connect(uint16_t port, const std::string& local)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    inet_pton(AF_INET, local.c_str(), &a.sin_addr);
    sockaddr_in s{};
    s.sin_family = AF_INET;
    s.sin_port = htons(port);
    inet_pton(AF_INET, "127.0.0.1", &s.sin_addr);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0
        || connect(fd, reinterpret_cast<sockaddr*>(&s), sizeof s) != 0) {
        if (fd >= 0)
            close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int main(int argc, char** argv)
{
    const int connections = Arg(argc, argv, "--connections", 10000);
    const int seconds = Arg(argc, argv, "--seconds", 10);
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    const std::string bin = std::filesystem::canonical("/proc/self/exe").parent_path() / "morvane-server";
    const std::string db = server::Cat(std::filesystem::temp_directory_path().string(), "/morvane-soak-", getpid(), ".db");
    int out[2];
    if (pipe(out) != 0)
        return 1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(bin.c_str(), bin.c_str(), "--db", db.c_str(), "--lobby-port", "0", "--room-port-base", "0", "--hash-cost",
              "test", "--quiet", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char line[1024] = {};
    FILE* f = fdopen(out[0], "r");
    if (!f || !std::fgets(line, sizeof line, f)) {
        std::fprintf(stderr, "%s did not start\n", bin.c_str());
        return 1;
    }
    const uint16_t lobby = static_cast<uint16_t>(std::atoi(std::strstr(line, "lobby=") + 6));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long idle = RssKiB(pid);

    const std::vector<uint8_t> request = net::BuildLobbyEnvelope(
        net::EnvelopeKind::Lobby, net::MsgRecord::Build(net::LobbyMsg::VersionRequest).Bytes());
    std::vector<int> fds;
    for (int i = 0; i < connections; ++i) {
        // 50 per address, under the per-address limit.
        const int fd = Connect(lobby, server::Cat("127.4.", i / 50 / 250, ".", i / 50 % 250 + 1));
        if (fd < 0)
            break;
        if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
            break;
        fds.push_back(fd);
    }
    // Every connection got its answer: it is served, not merely queued in the kernel.
    size_t answered = 0;
    for (int fd : fds) {
        uint8_t buf[64];
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 5000) == 1 && recv(fd, buf, sizeof buf, 0) > 0)
            ++answered;
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const long held = RssKiB(pid);
    size_t open = 0;
    for (int fd : fds) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 0) == 0)
            ++open;
    }
    for (int fd : fds)
        close(fd);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(db + suffix);

    std::printf("connections %zu (answered %zu, still open after %d s: %zu)\n", fds.size(), answered, seconds, open);
    std::printf("server memory idle %ld KiB, holding them %ld KiB: %.2f KiB per connection\n", idle, held,
                fds.empty() ? 0.0 : static_cast<double>(held - idle) / static_cast<double>(fds.size()));
    return open == static_cast<size_t>(connections) ? 0 : 1;
}
