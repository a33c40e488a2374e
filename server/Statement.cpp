#include "server/Statement.h"

#include <sqlite3.h>

namespace server {

Statement::Statement(sqlite3* db, const char* sql)
{
    if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK)
        stmt_ = nullptr;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::Bind(int index, int64_t value)
{
    sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::Bind(int index, std::string_view bytes)
{
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return *this;
}

bool Statement::Step()
{
    if (!stmt_)
        return false;
    last_ = sqlite3_step(stmt_);
    return last_ == SQLITE_ROW;
}

bool Statement::Run()
{
    while (Step()) {
    }
    return last_ == SQLITE_DONE;
}

int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::Bytes(int column) const
{
    const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

} // namespace server
