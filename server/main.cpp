// morvane-server: the lobby and room services, or account administration.
#include "server/AccountStore.h"
#include "server/Log.h"
#include "server/Server.h"
#include "server/ServerOptions.h"
#include "server/UserAdmin.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<server::ServerOptions> options =
        server::ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "morvane-server: " << error << "\n(see --help)\n";
        return 2;
    }
    if (options->help) {
        std::cout << server::HelpText();
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    if (options->user.verb != server::UserCommand::Verb::None) {
        const std::string db = options->db.empty() ? server::DefaultDatabasePath() : options->db;
        const auto store = server::AccountStore::Open(db, error);
        if (!store || !server::SeedDefaultAccounts(*store, options->hashCost)) {
            std::cerr << "morvane-server: " << (store ? "cannot add the default accounts" : error) << "\n";
            return 1;
        }
        return server::RunUserCommand(*options, *store, std::cout, std::cerr);
    }
    server::SetLogQuiet(options->quiet);
    server::Server s(*options);
    if (!s.Start(error)) {
        std::cerr << "morvane-server: " << error << "\n";
        return 1;
    }
    std::cout << s.ListeningLine() << std::endl;
    s.Run();
    return 0;
}
