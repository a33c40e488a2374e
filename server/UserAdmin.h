#pragma once
// Account administration on the server's database, and the accounts a new database
// starts with, so that two clients can meet at once on a fresh machine.
#include "server/AccountStore.h"
#include "server/PasswordHash.h"
#include "server/ServerOptions.h"

#include <ostream>

namespace server {

// Adds tavik, lina, bora and mira (password = name) to an empty database.
bool SeedDefaultAccounts(AccountStore& store, HashCost cost);
// Runs `user add|set|list`; the exit code of the program.
int RunUserCommand(const ServerOptions& options, AccountStore& store, std::ostream& out, std::ostream& err);

} // namespace server
