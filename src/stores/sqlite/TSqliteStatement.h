#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace Stores {

class TSqliteDatabase;

// One prepared statement, finalised when it goes. It must go before its database does.
class TSqliteStatement final
{
public:
    // Prepares `sql`; on failure the statement is not prepared and Error() says why.
    TSqliteStatement(const TSqliteDatabase& database, std::string_view sql);
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;
    ~TSqliteStatement();

    bool IsPrepared() const { return m_statement != nullptr; }
    // True when a row is ready; false at the end or on a failure (then Error() is not empty).
    bool Step();
    // Why preparing or the last step failed; empty when nothing failed.
    const std::string& Error() const { return m_error; }

    bool IsNull(int column) const;
    // The column's bytes as stored (a text or a blob), valid until the next Step.
    std::string_view Bytes(int column) const;
    std::int64_t Integer(int column) const;

private:
    sqlite3* m_database = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    std::string m_error;
};

} // namespace Stores
