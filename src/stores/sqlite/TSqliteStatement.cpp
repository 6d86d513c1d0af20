#include "TSqliteStatement.h"

#include "TSqliteDatabase.h"

#include <sqlite3.h>

#include <climits>

namespace Stores {

TSqliteStatement::TSqliteStatement(const TSqliteDatabase& database, std::string_view sql)
    : m_database(database.Handle())
{
    if (!m_database) {
        m_error = database.Error().empty() ? "not open" : database.Error();
        return;
    }
    if (sql.size() > INT_MAX) {
        m_error = "statement too long";
        return;
    }
    const int rc = sqlite3_prepare_v2(m_database, sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr);
    if (rc != SQLITE_OK) {
        m_error = TSqliteDatabase::Reason(rc, m_database);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

TSqliteStatement::~TSqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool TSqliteStatement::Step()
{
    if (!m_statement)
        return false;
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        m_error = TSqliteDatabase::Reason(rc, m_database);
    // Finished at once: the owner's writers wait for no reader that is done.
    sqlite3_reset(m_statement);
    return false;
}

bool TSqliteStatement::IsNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::string_view TSqliteStatement::Bytes(int column) const
{
    // The blob view gives text exactly as stored, without a conversion.
    const void* data = sqlite3_column_blob(m_statement, column);
    const int size = sqlite3_column_bytes(m_statement, column);
    if (!data || size <= 0)
        return {};
    return {static_cast<const char*>(data), static_cast<std::size_t>(size)};
}

std::int64_t TSqliteStatement::Integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

} // namespace Stores
