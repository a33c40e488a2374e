#include "ServerProcess.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace servertest {

std::string ServerBinary() { return MORVANE_SERVER_BIN; }

namespace {
std::vector<char*> Argv(std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return argv;
}
} // namespace

ServerProcess::ServerProcess(std::vector<std::string> extra, std::vector<std::string> env)
{
    char tmpl[] = "/tmp/morvane-server-test-XXXXXX";
    dir_ = mkdtemp(tmpl);
    db_ = dir_ + "/morvane.db";
    std::vector<std::string> args = {ServerBinary(), "--db", db_, "--lobby-port", "0", "--room-port-base", "0",
                                     "--hash-cost", "test", "--quiet"};
    args.insert(args.end(), extra.begin(), extra.end());
    int out[2];
    if (pipe(out) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        for (std::string& e : env)
            putenv(e.data());
        std::vector<char*> argv = Argv(args);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* f = fdopen(out[0], "r");
    char line[1024];
    if (f && std::fgets(line, sizeof line, f)) {
        // listening lobby=P rooms=P,P,...
        std::string text(line);
        const size_t lobby = text.find("lobby="), rooms = text.find("rooms=");
        if (lobby != std::string::npos && rooms != std::string::npos) {
            lobbyPort_ = static_cast<uint16_t>(std::stoi(text.substr(lobby + 6)));
            std::stringstream list(text.substr(rooms + 6));
            std::string port;
            while (std::getline(list, port, ','))
                roomPorts_.push_back(static_cast<uint16_t>(std::stoi(port)));
        }
    }
    if (f)
        std::fclose(f);
}

ServerProcess::~ServerProcess()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

bool ServerProcess::Alive() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

int ServerProcess::Admin(const std::vector<std::string>& args, std::string* out) const
{
    std::string command = ServerBinary() + " --hash-cost test --db '" + db_ + "'";
    for (const std::string& a : args)
        command += " '" + a + "'";
    FILE* p = popen(command.c_str(), "r");
    if (!p)
        return -1;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        if (out)
            out->append(buf, n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace servertest
