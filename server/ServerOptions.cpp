#include "server/ServerOptions.h"

#include "server/Cat.h"

#include <charconv>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string_view>

namespace server {

namespace {

template <class T>
bool Number(std::string_view text, T& out, T min = std::numeric_limits<T>::min(), T max = std::numeric_limits<T>::max())
{
    T v{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < min || v > max)
        return false;
    out = v;
    return true;
}

template <class T>
bool Optional(std::string_view text, std::optional<T>& out)
{
    T v{};
    if (!Number(text, v))
        return false;
    out = v;
    return true;
}

bool Millis(std::string_view text, std::chrono::milliseconds& out)
{
    int64_t v = 0;
    if (!Number<int64_t>(text, v, 1))
        return false;
    out = std::chrono::milliseconds(v);
    return true;
}

// IDLE,INTERVAL,PROBES in seconds and probes.
bool KeepAliveOf(std::string_view text, KeepAlive& out)
{
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const size_t comma = i < 2 ? text.find(',') : text.size();
        if (comma == std::string_view::npos || !Number(text.substr(0, comma), v[i], 1))
            return false;
        text.remove_prefix(i < 2 ? comma + 1 : comma);
    }
    out = {v[0], v[1], v[2]};
    return true;
}

using Setter = std::function<bool(ServerOptions&, std::string_view)>;

struct Option {
    std::string_view name;
    std::string_view value; // empty: a flag
    std::string_view help;
    Setter set;
};

const std::vector<Option>& Options()
{
    static const std::vector<Option> options = {
        {"--host", "ADDR", "address to listen on (default 127.0.0.1)",
         [](ServerOptions& o, std::string_view v) { o.host = v; return !v.empty(); }},
        {"--lobby-port", "PORT", "lobby port (default 8080; 0 picks a free one)",
         [](ServerOptions& o, std::string_view v) { return Number(v, o.lobbyPort); }},
        {"--room-port-base", "PORT", "first room port of the built-in halls, one per hall upwards (default 8081; 0 picks free ones)",
         [](ServerOptions& o, std::string_view v) { return Number(v, o.roomPortBase); }},
        {"--room-address", "ADDR", "room server address the built-in hall list gives clients (default: the host)",
         [](ServerOptions& o, std::string_view v) { o.roomAddress = v; return !v.empty() && v.size() < 22; }},
        {"--db", "PATH", "database file (default $XDG_DATA_HOME/morvane/morvane.db)",
         [](ServerOptions& o, std::string_view v) { o.db = v; return !v.empty(); }},
        {"--halls", "FILE", "JSON hall list to serve instead of the built-in one",
         [](ServerOptions& o, std::string_view v) { o.hallsFile = v; return !v.empty(); }},
        {"--version", "N", "version number sent to clients (default 1000050831; 0 = none, clients are told so)",
         [](ServerOptions& o, std::string_view v) {
             uint32_t n = 0;
             if (!Number(v, n))
                 return false;
             o.version = n ? std::optional<uint32_t>(n) : std::nullopt;
             return true;
         }},
        {"--room-capacity", "N", "players per room; the room is full at that many (default 100)",
         [](ServerOptions& o, std::string_view v) { return Number<size_t>(v, o.roomCapacity, 1, 0xFFFE); }},
        {"--per-address", "N", "concurrent connections per client address (default 64; 0 = no limit)",
         [](ServerOptions& o, std::string_view v) { return Number(v, o.perAddress); }},
        {"--hash-cost", "interactive|test", "password hash cost of new accounts (default interactive; test is for test suites only)",
         [](ServerOptions& o, std::string_view v) {
             const auto c = ParseHashCost(v);
             if (c)
                 o.hashCost = *c;
             return c.has_value();
         }},
        {"--hash-workers", "N", "password check processes, one check at a time each (default 2)",
         [](ServerOptions& o, std::string_view v) { return Number<size_t>(v, o.hashWorkers, 1, 16); }},
        {"--hash-waiting", "N", "password checks that may wait; beyond them a login is asked to try again (default 64)",
         [](ServerOptions& o, std::string_view v) { return Number(v, o.hashWaiting); }},
        {"--send-frames", "N", "send queue cap in frames; a peer that stops reading is dropped there (default 64)",
         [](ServerOptions& o, std::string_view v) { return Number<size_t>(v, o.limits.send.maxFrames, 1); }},
        {"--send-bytes", "N", "send queue cap in bytes (default 262144)",
         [](ServerOptions& o, std::string_view v) { return Number<size_t>(v, o.limits.send.maxBytes, 70000); }},
        {"--request-deadline-ms", "MS", "time a new connection has for its first valid request (default 15000)",
         [](ServerOptions& o, std::string_view v) { return Millis(v, o.limits.requestDeadline); }},
        {"--login-deadline-ms", "MS", "time a connection has for its login after a valid request (default 600000)",
         [](ServerOptions& o, std::string_view v) { return Millis(v, o.limits.loginDeadline); }},
        {"--keepalive", "IDLE,INTERVAL,PROBES", "TCP keepalive that finds half-open peers (default 60,10,6)",
         [](ServerOptions& o, std::string_view v) { return KeepAliveOf(v, o.limits.keepAlive); }},
        {"--quiet", "", "no connection log on stderr",
         [](ServerOptions& o, std::string_view) { o.quiet = true; return true; }},
        {"--help", "", "this text",
         [](ServerOptions& o, std::string_view) { o.help = true; return true; }},
    };
    return options;
}

const Option* FindOption(std::string_view name)
{
    for (const Option& o : Options())
        if (o.name == name)
            return &o;
    return nullptr;
}

// user add NAME PASSWORD | user set NAME [--points N] [--tally N] [--state S] | user list
bool ParseUser(std::vector<std::string_view> words, UserCommand& u)
{
    if (words.empty())
        return false;
    const std::string_view verb = words[0];
    if (verb == "list" && words.size() == 1) {
        u.verb = UserCommand::Verb::List;
        return true;
    }
    if (verb == "add" && words.size() == 3) {
        u = {UserCommand::Verb::Add, std::string(words[1]), std::string(words[2]), {}, {}, {}};
        return true;
    }
    if (verb != "set" || words.size() < 4 || words.size() % 2 != 0)
        return false;
    u.verb = UserCommand::Verb::Set;
    u.name = words[1];
    for (size_t i = 2; i < words.size(); i += 2) {
        const std::string_view key = words[i], value = words[i + 1];
        bool ok = false;
        if (key == "--points")
            ok = Optional(value, u.points);
        else if (key == "--tally")
            ok = Optional(value, u.tally);
        else if (key == "--state")
            ok = (u.state = ParseState(value)).has_value();
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::optional<ServerOptions> ParseServerOptions(const std::vector<std::string>& args, std::string& error)
{
    ServerOptions o;
    std::vector<std::string_view> words;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const Option* opt = FindOption(a);
        // Past "user", --points and friends belong to the user command.
        if (!opt || (!words.empty() && a.starts_with("--") && !opt->value.empty() && a != "--db" && a != "--hash-cost")) {
            if (a.starts_with("--") && words.empty()) {
                error = Cat("unknown option ", a);
                return std::nullopt;
            }
            words.push_back(a);
            continue;
        }
        std::string_view value;
        if (!opt->value.empty()) {
            if (i + 1 >= args.size()) {
                error = Cat(a, " needs ", opt->value);
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!opt->set(o, value)) {
            error = Cat("bad value for ", a, ": ", value);
            return std::nullopt;
        }
    }
    if (!words.empty()) {
        if (words[0] != "user") {
            error = Cat("unknown command ", words[0]);
            return std::nullopt;
        }
        if (!ParseUser({words.begin() + 1, words.end()}, o.user)) {
            error = "usage: user add NAME PASSWORD | user set NAME [--points N] [--tally N]"
                    " [--state active|unopened|suspended] | user list";
            return std::nullopt;
        }
    }
    return o;
}

std::string HelpText()
{
    std::string t =
        "usage: morvane-server [options]               serve the lobby and every hall's rooms\n"
        "       morvane-server [--db PATH] user add NAME PASSWORD\n"
        "       morvane-server [--db PATH] user set NAME [--points N] [--tally N] [--state active|unopened|suspended]\n"
        "       morvane-server [--db PATH] user list\n"
        "\n"
        "Once listening, one line goes to stdout: \"listening lobby=PORT rooms=PORT,PORT,...\"\n"
        "(the room ports in the order of the hall list), so callers that asked for port 0 learn\n"
        "the ports. A new database holds the accounts tavik, lina, bora and mira, each with\n"
        "its name as password. SIGINT and SIGTERM stop the server cleanly.\n"
        "\noptions:\n";
    for (const Option& o : Options()) {
        std::string head = Cat("  ", o.name, o.value.empty() ? "" : " ", o.value);
        head.resize(std::max<size_t>(head.size() + 1, 34), ' ');
        t += head + std::string(o.help) + "\n";
    }
    t += "\nenvironment (test suites only): MORVANE_TEST_SNDBUF=BYTES[@ADDRESS] shrinks the send\n"
         "buffer of accepted sockets (of those from ADDRESS only); MORVANE_TEST_HOOKS=1 makes room\n"
         "message 250 throw in its handler.\n";
    return t;
}

std::string DefaultDatabasePath()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string base = xdg && *xdg ? std::string(xdg) : std::string(home && *home ? home : ".") + "/.local/share";
    return base + "/morvane/morvane.db";
}

} // namespace server
