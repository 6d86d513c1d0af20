#include "sqlite/TSqliteDatabase.h"
#include "sqlite/TSqliteStatement.h"

#include "TPrivateHome.h"
#include "TTestDatabase.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

namespace {

using namespace Stores;
namespace fs = std::filesystem;

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every file below `folder` with its size, modification time and a hash of its bytes.
std::map<std::string, std::tuple<off_t, std::int64_t, std::size_t>> Files(const fs::path& folder)
{
    std::map<std::string, std::tuple<off_t, std::int64_t, std::size_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info;
        ::lstat(entry.path().c_str(), &info);
        files[entry.path().string()] = {info.st_size, info.st_mtim.tv_sec * 1000000000 + info.st_mtim.tv_nsec,
                                        entry.is_regular_file() ? std::hash<std::string>{}(Bytes(entry.path())) : 0};
    }
    return files;
}

TEST(SqliteDatabase, ACopyReadGetsPastAnOwnersExclusiveLockAndLeavesNothingBehind)
{
    TPrivateHome home;
    const fs::path book = home.Path() / "abook.sqlite";
    TTestDatabase owner(book);
    owner.Run("CREATE TABLE folder_id (uid TEXT PRIMARY KEY, vcard TEXT)");
    owner.Run("INSERT INTO folder_id VALUES ('a', 'BEGIN:VCARD\r\nFN:Ann\r\nEND:VCARD\r\n')");
    owner.Run("PRAGMA locking_mode=EXCLUSIVE");
    owner.Run("BEGIN EXCLUSIVE");
    const auto before = Files(home.Path());
    {
        TSqliteDatabase copy(book, TSqliteDatabase::TMode::AlwaysCopy);
        ASSERT_TRUE(copy.IsOpen()) << copy.Error();
        TSqliteStatement rows(copy, "SELECT uid FROM folder_id");
        ASSERT_TRUE(rows.Step()) << rows.Error();
        EXPECT_EQ(rows.Bytes(0), "a");
    }
    EXPECT_EQ(Files(home.Path()), before);
    owner.Run("COMMIT");
}

TEST(SqliteDatabase, ACheckpointBetweenCopyingTheDatabaseAndItsWalCostsNoRow)
{
    TPrivateHome home;
    const fs::path runtime = home.Path() / "run";
    fs::create_directories(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    home.Set("XDG_RUNTIME_DIR", runtime.string());
    const fs::path path = home.Path() / "abook.sqlite";
    TTestDatabase owner(path);
    owner.Run("PRAGMA journal_mode=WAL");
    owner.Run("PRAGMA synchronous=OFF");
    owner.Run("CREATE TABLE properties (card TEXT, name TEXT, value TEXT)");
    owner.Run("PRAGMA wal_autocheckpoint=0");
    for (int i = 0; i < 50; ++i)
        owner.Run(std::string("INSERT INTO properties VALUES ('c").append(std::to_string(i)) + "', '_vCard', 'BEGIN:VCARD')");
    // The owner moves the log into the database and empties the log just after the database was copied.
    bool checkpointed = false;
    TSqliteDatabase copy(path, TSqliteDatabase::TMode::AlwaysCopy, TSqliteDatabase::TWait::ForOwner, [&] {
        if (!checkpointed)
            owner.Run("PRAGMA wal_checkpoint(TRUNCATE)");
        checkpointed = true;
    });
    ASSERT_TRUE(checkpointed);
    ASSERT_EQ(fs::file_size(path.string() + "-wal"), 0u);
    ASSERT_TRUE(copy.IsOpen()) << copy.Error();
    TSqliteStatement cards(copy, "SELECT count(DISTINCT card) FROM properties");
    ASSERT_TRUE(cards.Step()) << cards.Error();
    EXPECT_EQ(cards.Integer(0), 50);
}

TEST(SqliteDatabase, DevicesAndFifosNeverReachSqlite)
{
    TPrivateHome home;
    ASSERT_EQ(::mkfifo((home.Path() / "fifo.db").c_str(), 0600), 0);
    TSqliteDatabase fifo(home.Path() / "fifo.db");
    EXPECT_FALSE(fifo.IsOpen());
    EXPECT_EQ(fifo.Error(), "not a regular file");
    TSqliteDatabase device("/dev/zero");
    EXPECT_FALSE(device.IsOpen());
}

} // namespace
