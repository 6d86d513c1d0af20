#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TFolder final
{
public:
    TFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "nelvora-atomic-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        m_path = pattern;
    }
    ~TFolder() { fs::remove_all(m_path); }
    TFolder(const TFolder&) = delete;
    TFolder& operator=(const TFolder&) = delete;

    fs::path operator/(const std::string& name) const { return m_path / name; }
    const fs::path& Path() const { return m_path; }

    // Every name in the folder, so that a temporary file left behind shows.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path m_path;
};

// Sets the umask for one test and puts the old one back.
class TUmask final
{
public:
    explicit TUmask(mode_t mask) : m_old(::umask(mask)) {}
    ~TUmask() { ::umask(m_old); }
    TUmask(const TUmask&) = delete;
    TUmask& operator=(const TUmask&) = delete;

private:
    mode_t m_old;
};

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& path, const std::string& text, mode_t mode)
{
    std::ofstream(path, std::ios::binary) << text;
    ::chmod(path.c_str(), mode);
}

mode_t ModeOf(const fs::path& path)
{
    struct stat info = {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// The system's calls with a record of the ones that order matters for, by the name each file descriptor was
// opened with.
struct TRecordingCalls
{
    TRecordingCalls()
    {
        const TAtomicFileCalls& system = TAtomicFileCalls::System();
        Calls = system;
        Calls.Open = [this, system](const char* path, int flags, mode_t mode) {
            const int fd = system.Open(path, flags, mode);
            if (fd >= 0)
                Names[fd] = fs::path(path).filename().string();
            return fd;
        };
        Calls.Write = [this, system](int fd, const void* data, size_t size) {
            Log.push_back("write " + Names[fd]);
            return system.Write(fd, data, size);
        };
        Calls.Fsync = [this, system](int fd) {
            Log.push_back("fsync " + Names[fd]);
            return system.Fsync(fd);
        };
        Calls.Rename = [this, system](const char* from, const char* to) {
            Log.push_back("rename " + fs::path(from).filename().string() + " " + fs::path(to).filename().string());
            return system.Rename(from, to);
        };
    }

    TAtomicFileCalls Calls;
    std::map<int, std::string> Names;
    std::vector<std::string> Log;
};

} // namespace

TEST(AtomicFile, WritesTheFileALinkEndsAtAndKeepsItsMode)
{
    const TUmask mask(022);
    struct TCase
    {
        const char* What;
        std::vector<std::pair<std::string, std::string>> Links; // name, what it points to
        const char* Path;
        const char* Target;
        mode_t OldMode; // 0: the target does not exist
        TAtomicFileOptions Options;
        mode_t Mode;
    };
    const TCase cases[] = {
        {"a plain file keeps its mode", {}, "a.ics", "a.ics", 0640, {}, 0640},
        {"a link stays a link", {{"link.ics", "real.ics"}}, "link.ics", "real.ics", 0600, {}, 0600},
        {"a link into another folder", {{"link.ics", "sub/real.ics"}}, "link.ics", "sub/real.ics", 0604, {}, 0604},
        {"a chain of links", {{"one", "two"}, {"two", "real"}}, "one", "real", 0660, {}, 0660},
        {"a link whose file is not there yet", {{"link", "real"}}, "link", "real", 0, {}, 0644},
        {"a new file takes the umask", {}, "new", "new", 0, {}, 0644},
        {"a new file as the caller asks", {}, "new", "new", 0, {0600}, 0600},
        {"the caller's mode does not widen a file", {}, "old", "old", 0600, {0666}, 0600},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TFolder folder;
        fs::create_directory(folder / "sub");
        for (const auto& [name, target] : test.Links)
            fs::create_symlink(target, folder / name);
        if (test.OldMode != 0)
            Write(folder / test.Target, "old text that is longer than the new one\n", test.OldMode);

        ASSERT_EQ(ReplaceFileAtomically((folder / test.Path).string(), "new\n", test.Options), 0);
        EXPECT_EQ(Read(folder / test.Target), "new\n");
        EXPECT_EQ(ModeOf(folder / test.Target), test.Mode);
        for (const auto& [name, target] : test.Links)
            EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
        for (const auto& entry : fs::recursive_directory_iterator(folder.Path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << "left behind: " << entry.path();
    }
}

TEST(AtomicFile, TheTextIsOnDiskBeforeTheRenameAndTheRenameIsSyncedAfter)
{
    const TFolder folder;
    Write(folder / "a.ics", "old", 0644);
    TRecordingCalls recording;
    ASSERT_EQ(ReplaceFileAtomically((folder / "a.ics").string(), "new", {}, recording.Calls), 0);

    const auto& log = recording.Log;
    ASSERT_EQ(log.size(), 4u) << ::testing::PrintToString(log);
    const std::string temporary = log[0].substr(std::string("write ").size());
    EXPECT_TRUE(temporary.starts_with(".a.ics.")) << "hidden, beside the target: " << temporary;
    EXPECT_EQ(log[1], "fsync " + temporary);
    EXPECT_EQ(log[2], "rename " + temporary + " a.ics");
    EXPECT_EQ(log[3], "fsync " + folder.Path().filename().string());
}

// Each step that can fail, as a full disk, a failing device or a lost mount makes it fail.
TEST(AtomicFile, AFailedStepKeepsTheOldFileAndRemovesTheTemporaryOne)
{
    struct TCase
    {
        const char* What;
        int Error;
        std::function<void(TAtomicFileCalls&)> Break;
    };
    const TCase cases[] = {
        {"write", ENOSPC,
         [](TAtomicFileCalls& calls) {
             calls.Write = [](int, const void*, size_t) {
                 errno = ENOSPC;
                 return ssize_t{-1};
             };
         }},
        {"write after a short one", EIO,
         [](TAtomicFileCalls& calls) {
             calls.Write = [written = false](int fd, const void* data, size_t) mutable -> ssize_t {
                 if (std::exchange(written, true))
                     return 0;
                 return ::write(fd, data, 1);
             };
         }},
        {"fsync", EIO,
         [](TAtomicFileCalls& calls) {
             calls.Fsync = [](int) {
                 errno = EIO;
                 return -1;
             };
         }},
        {"fchmod", EPERM,
         [](TAtomicFileCalls& calls) {
             calls.Fchmod = [](int, mode_t) {
                 errno = EPERM;
                 return -1;
             };
         }},
        {"close", EIO,
         [](TAtomicFileCalls& calls) {
             calls.Close = [](int fd) {
                 ::close(fd);
                 errno = EIO;
                 return -1;
             };
         }},
        {"rename", EXDEV,
         [](TAtomicFileCalls& calls) {
             calls.Rename = [](const char*, const char*) {
                 errno = EXDEV;
                 return -1;
             };
         }},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TFolder folder;
        Write(folder / "list", "old", 0640);
        TAtomicFileCalls calls = TAtomicFileCalls::System();
        test.Break(calls);
        EXPECT_EQ(ReplaceFileAtomically((folder / "list").string(), "new text", {}, calls), test.Error);
        EXPECT_EQ(Read(folder / "list"), "old");
        EXPECT_EQ(ModeOf(folder / "list"), 0640u);
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"list"});
    }
}

TEST(AtomicFile, WhatCannotBeReplacedIsRefusedAndAPipeIsWrittenAsItIs)
{
    const TFolder folder;
    fs::create_directory(folder / "dir");
    fs::create_symlink("loop", folder / "loop");
    EXPECT_EQ(ReplaceFileAtomically("", "x"), EINVAL);
    EXPECT_EQ(ReplaceFileAtomically((folder / "dir").string(), "x"), EISDIR);
    EXPECT_EQ(ReplaceFileAtomically((folder / "dir/").string(), "x"), EISDIR);
    EXPECT_EQ(ReplaceFileAtomically((folder / "missing/file").string(), "x"), ENOENT);
    EXPECT_EQ(ReplaceFileAtomically((folder / "loop").string(), "x"), ELOOP);
    EXPECT_TRUE(fs::is_directory(folder / "dir"));
    EXPECT_TRUE(fs::is_symlink(folder / "loop"));

    // A device node or a pipe renamed over would be gone for everyone (root may rename over /dev/null).
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    const int reader = ::open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(ReplaceFileAtomically((folder / "pipe").string(), "through"), 0);
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 7);
    ::close(reader);
    EXPECT_EQ(std::string(buffer), "through");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"dir", "loop", "pipe"}));
}
