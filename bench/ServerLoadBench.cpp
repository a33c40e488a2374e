// Room chat under load: morvane-server on one thread, N players on another, spread
// over the rooms of the built-in halls and over 127.x addresses. Each player sends one
// chat line every interval; the figures are taken over the measuring window.
//
//   server_load_bench [--clients 2000] [--per-room 100] [--seconds 20] [--interval-ms 2000]
//                     [--storm 0] [--hash-workers 2] [--client-sleep-us 0] [--slow 0]
//
// With --storm N, N more players log in to the lobby within one second, five seconds
// into the measuring window, with passwords at the interactive hash cost. The clients'
// thread polls its sockets without sleeping (one core is theirs); --client-sleep-us
// lets it sleep that long whenever nothing has arrived. With --slow N, N players of
// the first room stop reading five seconds into the window.
#include "ServerLoadClient.h"

#include "server/AccountStore.h"
#include "server/Cat.h"
#include "server/Log.h"
#include "server/PasswordHash.h"
#include "server/Server.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <thread>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int Arg(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return std::atoi(argv[i + 1]);
    return fallback;
}

// Room numbers and ports of the common halls, in the order the server listed them.
struct Target {
    uint16_t port;
    uint32_t room;
};

long RssKiB()
{
    FILE* f = std::fopen("/proc/self/status", "r");
    char line[256];
    long kib = 0;
    while (f && std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmRSS: %ld kB", &kib) == 1)
            break;
    if (f)
        std::fclose(f);
    return kib;
}

} // namespace

int main(int argc, char** argv)
{
    const int clients = Arg(argc, argv, "--clients", 2000);
    const int perRoom = Arg(argc, argv, "--per-room", 100);
    const int seconds = Arg(argc, argv, "--seconds", 20);
    const auto interval = std::chrono::milliseconds(Arg(argc, argv, "--interval-ms", 2000));
    const int storm = Arg(argc, argv, "--storm", 0);
    const int hashWorkers = Arg(argc, argv, "--hash-workers", 2);
    const int slow = std::min({Arg(argc, argv, "--slow", 0), perRoom, 30});
    const auto clientSleep = std::chrono::microseconds(Arg(argc, argv, "--client-sleep-us", 0));
    server::SetLogQuiet(true);
    // Server and clients share this process: two descriptors per connection end.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    const std::string dir = std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    const std::string db = server::Cat(dir, "/morvane-load-", getpid(), ".db");
    {
        std::string error;
        auto store = server::AccountStore::Open(db, error);
        if (!store) {
            std::cerr << error << "\n";
            return 1;
        }
        for (int i = 0; i < clients; ++i) {
            const std::string name = server::Cat("p", i);
            store->Add({name, server::HashPassword(name, server::HashCost::Test), 100, 0, server::AccountState::Active});
        }
        // One interactive hash serves every storm account: each check still costs its full price.
        const std::string stormHash = server::HashPassword("storm", server::HashCost::Interactive);
        for (int i = 0; i < storm; ++i)
            store->Add({server::Cat("s", i), stormHash, 0, 0, server::AccountState::Active});
    }
    // The slow readers come from an address of their own, whose connections get the
    // tests' small kernel buffers: the drop then comes after seconds, not megabytes.
    const std::string slowAddress = "127.3.0.1";
    if (slow > 0)
        setenv("MORVANE_TEST_SNDBUF", server::Cat("4096@", slowAddress).c_str(), 1);
    server::ServerOptions options;
    options.db = db;
    options.lobbyPort = 0;
    options.roomPortBase = 0;
    options.hashCost = server::HashCost::Test;
    options.roomCapacity = static_cast<size_t>(perRoom);
    options.quiet = true;
    options.hashWorkers = static_cast<size_t>(hashWorkers);
    server::Server srv(options);
    std::string error;
    if (!srv.Start(error)) {
        std::cerr << error << "\n";
        return 1;
    }
    // "listening lobby=P rooms=P,P,..."; the first nine halls are the common ones.
    std::istringstream line(srv.ListeningLine().substr(std::strlen("listening lobby=")));
    uint16_t lobbyPort = 0;
    line >> lobbyPort;
    line.ignore(std::strlen(" rooms="));
    std::vector<Target> targets;
    std::string port;
    for (uint32_t hall = 1; std::getline(line, port, ',') && hall <= 9; ++hall)
        for (uint32_t r = 1; r <= 3; ++r)
            targets.push_back({static_cast<uint16_t>(std::stoi(port)), hall * 100 + r});
    const long rssBefore = RssKiB();
    std::thread serverThread([&] { srv.Run(); });

    asio::io_context io;
    LoadStats stats;
    std::vector<std::shared_ptr<ServerLoadClient>> players;
    for (int i = 0; i < clients; ++i) {
        const Target& t = targets[static_cast<size_t>(i / perRoom) % targets.size()];
        // 30 players per address: well under the per-address limit of 64 connections.
        const std::string local = i < slow ? slowAddress : server::Cat("127.1.", i / 30 / 250, ".", i / 30 % 250 + 1);
        players.push_back(std::make_shared<ServerLoadClient>(
            io, ServerLoadClient::Setup{server::Cat("p", i), local, lobbyPort, t.port, t.room, interval, {}, i < slow ? 1024 : 0},
            stats));
        players.back()->Start();
    }
    // Everybody in, then a warm-up interval, then the measuring window.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (stats.inRoom + stats.lost < static_cast<uint64_t>(clients) && std::chrono::steady_clock::now() < deadline)
        io.run_for(std::chrono::milliseconds(100));
    io.run_for(interval);
    // Room for every sample up front: growing the vector mid-run would stall the
    // clients' thread and show up as latency.
    stats.latencyUs.reserve(static_cast<size_t>(clients) * static_cast<size_t>(perRoom) * 1000u * static_cast<size_t>(seconds + 1)
                            / static_cast<size_t>(std::max<int64_t>(1, interval.count())));
    stats.measuring = true;
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::shared_ptr<ServerLoadClient>> stormers;
    asio::steady_timer stormTimer(io);
    std::chrono::steady_clock::time_point stormStart, stormEnd;
    asio::steady_timer slowTimer(io, std::chrono::seconds(5));
    slowTimer.async_wait([&](const asio::error_code&) {
        for (int i = 0; i < slow; ++i)
            players[static_cast<size_t>(i)]->StopReading();
    });
    if (storm > 0) {
        stormTimer.expires_after(std::chrono::seconds(5));
        stormTimer.async_wait([&](const asio::error_code&) {
            stormStart = std::chrono::steady_clock::now();
            for (int i = 0; i < storm; ++i) {
                const std::string local = server::Cat("127.2.", i / 30, ".", i % 30 + 1);
                stormers.push_back(std::make_shared<ServerLoadClient>(io,
                    ServerLoadClient::Setup{server::Cat("s", i), local, lobbyPort, 0, 0, interval, "storm"}, stats));
            }
            // Spread over one second.
            for (int i = 0; i < storm; ++i) {
                auto t = std::make_shared<asio::steady_timer>(io, std::chrono::milliseconds(1000 * i / storm));
                t->async_wait([t, p = stormers[static_cast<size_t>(i)]](const asio::error_code&) { p->Start(); });
            }
        });
    }
    const auto windowEnd = start + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < windowEnd) {
        // Polled, not waited on: a client asleep in epoll makes every delivery to it
        // wake a thread on the other core, a cost that loopback puts on the server and
        // that a network would not.
        if (io.poll() == 0 && clientSleep.count() > 0)
            std::this_thread::sleep_for(clientSleep);
        if (storm > 0 && stormEnd == std::chrono::steady_clock::time_point{} && stats.lobbyOnly == static_cast<uint64_t>(storm))
            stormEnd = std::chrono::steady_clock::now();
    }
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    stats.measuring = false;
    const long rssAfter = RssKiB();
    for (auto& p : players)
        p->Stop();
    for (auto& p : stormers)
        p->Stop();
    io.run_for(std::chrono::milliseconds(200));
    srv.Stop();
    serverThread.join();
    std::filesystem::remove(db);
    std::filesystem::remove(db + "-wal");
    std::filesystem::remove(db + "-shm");

    std::sort(stats.latencyUs.begin(), stats.latencyUs.end());
    const auto pct = [&](double p) {
        return stats.latencyUs.empty() ? 0.0 : stats.latencyUs[static_cast<size_t>(p * (stats.latencyUs.size() - 1))] / 1000.0;
    };
    std::printf("clients %d in rooms of %d, one line per %lld ms each, %.1f s measured\n", clients, perRoom,
                static_cast<long long>(interval.count()), elapsed);
    std::printf("in room %llu, connections lost %llu\n", static_cast<unsigned long long>(stats.inRoom),
                static_cast<unsigned long long>(stats.lost));
    std::printf("lines/s %.0f  deliveries/s %.0f\n", stats.sent / elapsed, stats.delivered / elapsed);
    std::printf("delivery latency p50 %.2f ms  p99 %.2f ms  max %.2f ms\n", pct(0.5), pct(0.99), pct(1.0));
    if (storm > 0)
        std::printf("login storm: %d logins in 1 s, %llu in, %llu answers \"try again\" (reason 3), all in after %.1f s\n",
                    storm, static_cast<unsigned long long>(stats.lobbyOnly), static_cast<unsigned long long>(stats.refusals),
                    stormEnd == std::chrono::steady_clock::time_point{} ? -1.0
                        : std::chrono::duration<double>(stormEnd - stormStart).count());
    if (slow > 0)
        std::printf("slow readers: %d stopped reading, %llu dropped, the last %.1f s after it stopped\n", slow,
                    static_cast<unsigned long long>(stats.slowDropped), stats.slowDropSeconds);
    std::printf("process memory (server and clients) %+ld KiB over the run\n", rssAfter - rssBefore);
    return stats.lost == 0 ? 0 : 1;
}
