#pragma once
// One prepared SQLite statement, finalised when it goes out of scope.
#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace server {

class Statement {
public:
    Statement(sqlite3* db, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool Ok() const { return stmt_ != nullptr; }
    Statement& Bind(int index, int64_t value);
    // Bound as a blob: names are GBK bytes, not UTF-8 text.
    Statement& Bind(int index, std::string_view bytes);
    // True while a row is there; false at the end or on an error.
    bool Step();
    // True when the statement ran to its end.
    bool Run();
    int64_t Int(int column) const;
    std::string Bytes(int column) const;

private:
    sqlite3_stmt* stmt_ = nullptr;
    int last_ = 0;
};

} // namespace server
