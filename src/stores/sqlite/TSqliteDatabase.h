#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

struct sqlite3;

namespace Stores {

// A database another program owns, opened for reading only (SQLITE_OPEN_READONLY, a busy timeout of about two
// seconds, never `immutable`) and closed when this goes. Reading creates nothing beside the file and changes
// neither its bytes nor its times: a database in WAL mode whose -wal and -shm files are not both there (SQLite would
// create them even for a reader) is read from a private copy instead, and so is every database opened with
// `AlwaysCopy` (for owners that hold an exclusive lock). The copy, with its -wal, lives in a private temporary
// folder (mode 0700, below $XDG_RUNTIME_DIR when that is set) that goes with this object, failures included.
class TSqliteDatabase final
{
public:
    enum class TMode {
        InPlace,
        AlwaysCopy,
    };
    // Whether a query waits for the owner's lock (about two seconds) or fails at once with "still locked".
    enum class TWait {
        ForOwner,
        No,
    };
    // Runs between copying the database and copying its -wal, the moment an owner's checkpoint would do harm:
    // lets a test checkpoint there.
    using TBetweenCopies = std::function<void()>;

    // Never blocks on a FIFO or a device: anything but a regular file is refused before SQLite sees it.
    explicit TSqliteDatabase(const std::filesystem::path& path, TMode mode = TMode::InPlace,
                             TWait wait = TWait::ForOwner, const TBetweenCopies& betweenCopies = {});
    TSqliteDatabase(const TSqliteDatabase&) = delete;
    TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;
    ~TSqliteDatabase();

    // False when the file could not be opened; Error() says why.
    bool IsOpen() const { return m_database != nullptr; }
    // Why the database could not be opened or the last query on it failed, as a short reason text.
    const std::string& Error() const { return m_error; }

    // Whether `table` exists and has `column`. False also when the file turns out not to be a database; Error()
    // then says so.
    bool HasColumn(std::string_view table, std::string_view column);
    // Whether the last query failed because the owner held its lock.
    bool WasLocked() const;

    // The first bytes of a file, for recognising a database by its content: the SQLite header is 100 bytes.
    static std::string Head(const std::filesystem::path& path);
    static bool IsSqliteHead(std::string_view head);

    sqlite3* Handle() const { return m_database; }

    // A short reason for an SQLite result code ("locked", "damaged", ...).
    static std::string Reason(int code, sqlite3* database);

private:
    void Fail(std::string reason);

    sqlite3* m_database = nullptr;
    std::filesystem::path m_copyFolder;
    std::string m_error;
};

} // namespace Stores
