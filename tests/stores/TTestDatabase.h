#pragma once

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A database this test writes itself, created with its folder; the handle closes with the object.
class TTestDatabase
{
public:
    explicit TTestDatabase(const std::filesystem::path& path)
    {
        std::filesystem::create_directories(path.parent_path());
        sqlite3_open(path.c_str(), &m_database);
    }
    ~TTestDatabase() { sqlite3_close(m_database); }
    TTestDatabase(const TTestDatabase&) = delete;
    TTestDatabase& operator=(const TTestDatabase&) = delete;

    void Run(const std::string& sql)
    {
        char* error = nullptr;
        ASSERT_EQ(sqlite3_exec(m_database, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << error << "\n" << sql;
    }
    sqlite3* Handle() const { return m_database; }

private:
    sqlite3* m_database = nullptr;
};
