#include "server/AccountStore.h"

#include "server/Statement.h"

#include <sqlite3.h>

#include <filesystem>
#include <system_error>

namespace server {

namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS account("
    " name BLOB PRIMARY KEY, hash TEXT NOT NULL,"
    " points INTEGER NOT NULL DEFAULT 0, tally INTEGER NOT NULL DEFAULT 0,"
    " state INTEGER NOT NULL DEFAULT 1);"
    "CREATE TABLE IF NOT EXISTS points_change("
    " id INTEGER PRIMARY KEY AUTOINCREMENT, name BLOB NOT NULL, delta INTEGER NOT NULL);";

Account ReadAccount(const Statement& s)
{
    Account a;
    a.name = s.Bytes(0);
    a.passwordHash = s.Bytes(1);
    a.points = static_cast<int32_t>(s.Int(2));
    a.tally = static_cast<int32_t>(s.Int(3));
    a.state = static_cast<AccountState>(s.Int(4));
    return a;
}

// Rolls back unless committed: a failed step never leaves half a change behind.
class Transaction {
public:
    explicit Transaction(sqlite3* db) : db_(db) { ok_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK; }
    ~Transaction()
    {
        if (ok_)
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    }
    bool Ok() const { return ok_; }
    bool Commit()
    {
        const bool done = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        ok_ = !done;
        return done;
    }

private:
    sqlite3* db_;
    bool ok_;
};

} // namespace

std::unique_ptr<AccountStore> AccountStore::Open(const std::string& path, std::string& error)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty())
        std::filesystem::create_directories(folder, ec);
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        error = "cannot open database " + path + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<AccountStore> store(new AccountStore(db));
    sqlite3_busy_timeout(db, 5000);
    if (!store->Exec("PRAGMA journal_mode=WAL") || !store->Exec("PRAGMA synchronous=FULL") || !store->Exec(kSchema)) {
        error = "cannot prepare database " + path + ": " + sqlite3_errmsg(db);
        return nullptr;
    }
    if (!store->IntegrityOk()) {
        error = "database " + path + " failed its integrity check";
        return nullptr;
    }
    return store;
}

AccountStore::~AccountStore() { sqlite3_close(db_); }

bool AccountStore::Exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

bool AccountStore::IntegrityOk()
{
    Statement s(db_, "PRAGMA integrity_check");
    return s.Step() && s.Bytes(0) == "ok" && !s.Step();
}

bool AccountStore::Empty()
{
    Statement s(db_, "SELECT COUNT(*) FROM account");
    return s.Step() && s.Int(0) == 0;
}

std::optional<Account> AccountStore::Find(const std::string& name)
{
    Statement s(db_, "SELECT name, hash, points, tally, state FROM account WHERE name = ?");
    s.Bind(1, name);
    if (!s.Step())
        return std::nullopt;
    return ReadAccount(s);
}

std::vector<Account> AccountStore::List()
{
    Statement s(db_, "SELECT name, hash, points, tally, state FROM account ORDER BY name");
    std::vector<Account> out;
    while (s.Step())
        out.push_back(ReadAccount(s));
    return out;
}

bool AccountStore::Add(const Account& a)
{
    Statement s(db_, "INSERT INTO account(name, hash, points, tally, state) VALUES(?, ?, ?, ?, ?)");
    s.Bind(1, a.name).Bind(2, a.passwordHash).Bind(3, a.points).Bind(4, a.tally).Bind(5, static_cast<int64_t>(a.state));
    return s.Run();
}

bool AccountStore::Change(const std::string& name, const AccountChange& c)
{
    Transaction t(db_);
    if (!t.Ok() || !Find(name))
        return false;
    Statement s(db_, "UPDATE account SET points = COALESCE(?, points), tally = COALESCE(?, tally),"
                     " state = COALESCE(?, state) WHERE name = ?");
    // An unbound parameter is NULL: COALESCE keeps the stored value.
    if (c.points)
        s.Bind(1, *c.points);
    if (c.tally)
        s.Bind(2, *c.tally);
    if (c.state)
        s.Bind(3, static_cast<int64_t>(*c.state));
    s.Bind(4, name);
    return s.Run() && t.Commit();
}

std::optional<int64_t> AccountStore::AddPoints(const std::string& name, int32_t delta)
{
    Transaction t(db_);
    if (!t.Ok())
        return std::nullopt;
    Statement update(db_, "UPDATE account SET points = points + ? WHERE name = ?");
    update.Bind(1, delta).Bind(2, name);
    if (!update.Run() || sqlite3_changes(db_) != 1)
        return std::nullopt;
    Statement log(db_, "INSERT INTO points_change(name, delta) VALUES(?, ?)");
    log.Bind(1, name).Bind(2, delta);
    if (!log.Run())
        return std::nullopt;
    const int64_t id = sqlite3_last_insert_rowid(db_);
    if (!t.Commit())
        return std::nullopt;
    return id;
}

int AccountStore::CountChange(int64_t id)
{
    Statement s(db_, "SELECT COUNT(*) FROM points_change WHERE id = ?");
    s.Bind(1, id);
    return s.Step() ? static_cast<int>(s.Int(0)) : 0;
}

int64_t AccountStore::LoggedPoints(const std::string& name)
{
    Statement s(db_, "SELECT COALESCE(SUM(delta), 0) FROM points_change WHERE name = ?");
    s.Bind(1, name);
    return s.Step() ? s.Int(0) : 0;
}

} // namespace server
