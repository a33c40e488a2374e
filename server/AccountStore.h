#pragma once
// Accounts, points and tallies in one SQLite file. WAL with synchronous=FULL, so an
// acknowledged change survives a power loss; every points change is one transaction
// and leaves one row in the change log.
#include "server/Account.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace server {

struct AccountChange {
    std::optional<int32_t> points;
    std::optional<int32_t> tally;
    std::optional<AccountState> state;
};

class AccountStore {
public:
    // Opens or creates the database (its folder too) and checks its integrity;
    // null with `error` set when either fails.
    static std::unique_ptr<AccountStore> Open(const std::string& path, std::string& error);
    ~AccountStore();
    AccountStore(const AccountStore&) = delete;
    AccountStore& operator=(const AccountStore&) = delete;

    bool IntegrityOk();
    bool Empty();
    std::optional<Account> Find(const std::string& name);
    std::vector<Account> List();
    // False when the name is taken or the write failed.
    bool Add(const Account& account);
    // False when there is no such account.
    bool Change(const std::string& name, const AccountChange& change);
    // Adds `delta` to the points in one transaction; the id of the change log row,
    // or empty when there is no such account or the write failed.
    std::optional<int64_t> AddPoints(const std::string& name, int32_t delta);
    // The change log rows with this id (a durable change is there exactly once).
    int CountChange(int64_t id);
    // Sum of every logged delta of an account.
    int64_t LoggedPoints(const std::string& name);

private:
    explicit AccountStore(sqlite3* db) : db_(db) {}
    bool Exec(const char* sql);

    sqlite3* db_;
};

} // namespace server
