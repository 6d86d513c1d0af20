#include "TSqliteDatabase.h"

#include "TSqliteStatement.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace Stores {

namespace {

// Long enough to outlast one of the owner's writes, short enough that a stuck lock does not stall the check.
constexpr int kBusyMilliseconds = 2000;
constexpr std::size_t kHeaderSize = 100;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

// A file descriptor that closes itself.
class TFile final
{
public:
    explicit TFile(int fd) : m_fd(fd) {}
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;
    ~TFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int Get() const { return m_fd; }

private:
    int m_fd;
};

std::string ErrnoReason(int error)
{
    if (error == EACCES || error == EPERM)
        return "no permission";
    if (error == ENOENT)
        return "not found";
    return std::strerror(error);
}

// Opens without blocking (a FIFO would wait for a writer) and refuses anything but a regular file.
std::string OpenRegular(const std::filesystem::path& path, int& fd)
{
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return ErrnoReason(errno);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        fd = -1;
        return "not a regular file";
    }
    return {};
}

ssize_t ReadSome(int fd, char* buffer, std::size_t size)
{
    ssize_t got;
    do
        got = ::read(fd, buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

std::string CopyFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    int rawIn = -1;
    if (std::string reason = OpenRegular(from, rawIn); !reason.empty())
        return reason;
    const TFile in(rawIn);
    // Only ever inside this program's own private folder, where a second attempt overwrites the first.
    const TFile out(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.Get() < 0)
        return "cannot copy: " + ErrnoReason(errno);
    // The kernel copies page by page without a detour through this process; a file system that cannot do so
    // says so at the first call.
    off_t copied = 0;
    while (true) {
        const ssize_t sent = ::sendfile(out.Get(), in.Get(), nullptr, std::size_t{1} << 30);
        if (sent > 0) {
            copied += sent;
            continue;
        }
        if (sent == 0)
            return {};
        if (errno == EINTR)
            continue;
        if (copied > 0 || (errno != EINVAL && errno != ENOSYS))
            return "cannot copy: " + ErrnoReason(errno);
        break;
    }
    char buffer[64 * 1024];
    while (true) {
        const ssize_t got = ReadSome(in.Get(), buffer, sizeof buffer);
        if (got < 0)
            return ErrnoReason(errno);
        if (got == 0)
            return {};
        if (!WriteAll(out.Get(), buffer, static_cast<std::size_t>(got)))
            return "cannot copy: " + ErrnoReason(errno);
    }
}

bool Exists(const std::filesystem::path& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::filesystem::path WithSuffix(const std::filesystem::path& path, const char* suffix)
{
    return std::filesystem::path(path.native() + suffix);
}

// What tells whether a file changed while it was copied.
struct TFileStamp
{
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
    off_t Size = 0;
    std::int64_t Modified = 0;
    friend bool operator==(const TFileStamp&, const TFileStamp&) = default;
};

TFileStamp Stamp(const std::filesystem::path& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return {true, info.st_dev, info.st_ino, info.st_size,
            std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec};
}

// Copies a database with its -wal as one state. An owner that checkpoints while the copy runs moves the log's pages
// into the database and starts the log again, which would pair a database of one moment with a log of another:
// so the pair is copied again until neither file changed during the copy.
std::string CopyDatabase(const std::filesystem::path& from, const std::filesystem::path& to,
                         const TSqliteDatabase::TBetweenCopies& betweenCopies)
{
    constexpr int kAttempts = 4;
    const auto fromLog = WithSuffix(from, "-wal");
    const auto toLog = WithSuffix(to, "-wal");
    std::string reason;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const TFileStamp database = Stamp(from);
        const TFileStamp log = Stamp(fromLog);
        reason = CopyFile(from, to);
        if (betweenCopies)
            betweenCopies();
        if (reason.empty() && log.Exists) {
            if (reason = CopyFile(fromLog, toLog); !reason.empty())
                reason = "cannot copy its -wal: " + reason;
        } else if (!log.Exists) {
            ::unlink(toLog.c_str());
        }
        if (Stamp(from) == database && Stamp(fromLog) == log)
            return reason;
    }
    return reason.empty() ? "kept changing while it was copied" : reason;
}

// A new folder (mode 0700) for a private copy: below $XDG_RUNTIME_DIR when there is one, a folder only this user
// may enter on a file system that the session's end clears, so a copy outlives no failure for long.
std::string MakePrivateFolder(std::filesystem::path& folder)
{
    int error = ENOENT;
    const std::array<const char*, 3> bases{std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"), "/tmp"};
    for (const char* base : bases) {
        if (!base || base[0] != '/')
            continue;
        std::string pattern = (std::filesystem::path(base) / "nelvora-store-XXXXXX").string();
        if (::mkdtemp(pattern.data())) {
            folder = pattern;
            return {};
        }
        error = errno;
    }
    return "cannot make a private copy: " + ErrnoReason(error);
}

} // namespace

TSqliteDatabase::TSqliteDatabase(const std::filesystem::path& path, TMode mode, TWait wait,
                                 const TBetweenCopies& betweenCopies)
{
    const std::string head = Head(path);
    int fd = -1;
    if (std::string reason = OpenRegular(path, fd); !reason.empty()) {
        Fail(std::move(reason));
        return;
    }
    ::close(fd);

    // Byte 18 and 19 of the header are 2 in WAL mode.
    const bool wal = IsSqliteHead(head) && head.size() >= 20 && (head[18] == 2 || head[19] == 2);
    std::filesystem::path target = path;
    if (mode == TMode::AlwaysCopy || (wal && !(Exists(WithSuffix(path, "-wal")) && Exists(WithSuffix(path, "-shm"))))) {
        if (std::string reason = MakePrivateFolder(m_copyFolder); !reason.empty()) {
            Fail(std::move(reason));
            return;
        }
        target = m_copyFolder / "store.db";
        // The owner's latest writes may still sit in its -wal.
        if (std::string reason = CopyDatabase(path, target, betweenCopies); !reason.empty()) {
            Fail(std::move(reason));
            return;
        }
    }

    sqlite3* database = nullptr;
    const int rc = sqlite3_open_v2(target.c_str(), &database, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        Fail(Reason(rc, database));
        sqlite3_close_v2(database);
        return;
    }
    m_database = database;
    sqlite3_extended_result_codes(m_database, 1);
    sqlite3_busy_timeout(m_database, wait == TWait::ForOwner ? kBusyMilliseconds : 0);
    // A reader must never try to checkpoint the owner's WAL when it leaves.
    sqlite3_db_config(m_database, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    // A quoted name of a missing column would otherwise pass for a text literal, and HasColumn would say yes.
    sqlite3_db_config(m_database, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    // Nobody else holds the private copy, so it cannot shrink under the mapping: read it mapped, one system call
    // instead of one per page.
    if (!m_copyFolder.empty())
        sqlite3_exec(m_database, "PRAGMA mmap_size = 1073741824", nullptr, nullptr, nullptr);
}

TSqliteDatabase::~TSqliteDatabase()
{
    if (m_database)
        sqlite3_close_v2(m_database);
    if (!m_copyFolder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_copyFolder, ignored);
    }
}

void TSqliteDatabase::Fail(std::string reason)
{
    m_error = std::move(reason);
    if (m_database) {
        sqlite3_close_v2(m_database);
        m_database = nullptr;
    }
}

bool TSqliteDatabase::HasColumn(std::string_view table, std::string_view column)
{
    if (!m_database)
        return false;
    // Names come from this program, never from a file; quoting keeps mixed case as written.
    const std::string sql = "SELECT \"" + std::string(column) + "\" FROM \"" + std::string(table) + "\" LIMIT 0";
    TSqliteStatement statement(*this, sql);
    if (statement.IsPrepared())
        return true;
    const std::string message = sqlite3_errmsg(m_database);
    if (message.starts_with("no such table"))
        m_error = "no table " + std::string(table);
    else if (message.starts_with("no such column"))
        m_error = "no column " + std::string(column) + " in " + std::string(table);
    else
        m_error = statement.Error();
    return false;
}

bool TSqliteDatabase::WasLocked() const
{
    if (!m_database)
        return false;
    const int code = sqlite3_extended_errcode(m_database) & 0xFF;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

std::string TSqliteDatabase::Head(const std::filesystem::path& path)
{
    int fd = -1;
    if (!OpenRegular(path, fd).empty())
        return {};
    const TFile file(fd);
    std::string head(kHeaderSize, '\0');
    std::size_t used = 0;
    while (used < head.size()) {
        const ssize_t got = ReadSome(file.Get(), head.data() + used, head.size() - used);
        if (got <= 0)
            break;
        used += static_cast<std::size_t>(got);
    }
    head.resize(used);
    return head;
}

bool TSqliteDatabase::IsSqliteHead(std::string_view head)
{
    return head.starts_with(kSqliteMagic);
}

std::string TSqliteDatabase::Reason(int code, sqlite3* database)
{
    switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "still locked by its owner";
    case SQLITE_NOTADB:
        return "not a database";
    case SQLITE_CORRUPT:
        return "damaged database";
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "no permission";
    case SQLITE_NOMEM:
        return "out of memory";
    case SQLITE_READONLY:
        // A read-only reader meets this when the owner left an unfinished write that only it may roll back.
        return "an unfinished write of its owner is pending";
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
        if (database && sqlite3_system_errno(database) != 0)
            return ErrnoReason(sqlite3_system_errno(database));
        return code == SQLITE_CANTOPEN ? "cannot be opened" : "read error";
    default:
        return sqlite3_errstr(code);
    }
}

} // namespace Stores
