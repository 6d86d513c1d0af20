#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TFolder
{
    TFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "nelvora-atomic-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        Path = pattern;
    }
    ~TFolder() { fs::remove_all(Path); }
    fs::path Path;
};

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

mode_t ModeOf(const fs::path& path)
{
    struct stat info = {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// The writer's temporary files are the hidden ones.
bool LeftATemporaryFile(const fs::path& folder)
{
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().filename().string().starts_with("."))
            return true;
    return false;
}

auto Fails(int error)
{
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

} // namespace

TEST(AtomicFile, WritesTheFileALinkEndsAtAndKeepsItsMode)
{
    const mode_t oldMask = ::umask(022);
    struct TCase
    {
        const char* What;
        std::vector<std::pair<std::string, std::string>> Links; // name, what it points to
        const char* Path;
        const char* Target;
        mode_t OldMode; // 0: the target does not exist
        mode_t NewFileMode;
        mode_t Mode;
    };
    const TCase cases[] = {
        {"a plain file keeps its mode", {}, "a.ics", "a.ics", 0640, 0666, 0640},
        {"a link into another folder", {{"link", "sub/real"}}, "link", "sub/real", 0604, 0666, 0604},
        {"a chain of links", {{"one", "two"}, {"two", "real"}}, "one", "real", 0600, 0666, 0600},
        {"a link whose file is not there yet", {{"link", "real"}}, "link", "real", 0, 0666, 0644},
        {"a new file as the caller asks, less the umask", {}, "new", "new", 0, 0660, 0640},
        {"the caller's mode does not widen a file", {}, "old", "old", 0600, 0666, 0600},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        const TFolder folder;
        fs::create_directory(folder.Path / "sub");
        for (const auto& [name, target] : test.Links)
            fs::create_symlink(target, folder.Path / name);
        if (test.OldMode != 0) {
            std::ofstream(folder.Path / test.Target) << "old text that is longer than the new one\n";
            ::chmod((folder.Path / test.Target).c_str(), test.OldMode);
        }
        ASSERT_EQ(ReplaceFileAtomically((folder.Path / test.Path).string(), "new\n", {test.NewFileMode}), 0);
        EXPECT_EQ(Read(folder.Path / test.Target), "new\n");
        EXPECT_EQ(ModeOf(folder.Path / test.Target), test.Mode);
        for (const auto& [name, target] : test.Links)
            EXPECT_TRUE(fs::is_symlink(folder.Path / name)) << name;
        EXPECT_FALSE(LeftATemporaryFile(folder.Path));
    }
    ::umask(oldMask);
}

TEST(AtomicFile, TheTextIsOnDiskBeforeTheRenameAndTheRenameIsSyncedAfter)
{
    const TFolder folder;
    std::ofstream(folder.Path / "a.ics") << "old";
    const TAtomicFileCalls& system = TAtomicFileCalls::System();
    TAtomicFileCalls calls = system;
    std::map<int, std::string> names; // of the open file descriptors
    std::vector<std::string> log;
    calls.Open = [&](const char* path, int flags, mode_t mode) {
        const int fd = system.Open(path, flags, mode);
        names[fd] = fs::path(path).filename().string();
        return fd;
    };
    calls.Write = [&](int fd, const void* data, size_t size) {
        log.push_back("write " + names[fd]);
        return system.Write(fd, data, size);
    };
    calls.Fsync = [&](int fd) {
        log.push_back("fsync " + names[fd]);
        return system.Fsync(fd);
    };
    calls.Rename = [&](const char* from, const char* to) {
        log.push_back("rename " + fs::path(from).filename().string() + " " + fs::path(to).filename().string());
        return system.Rename(from, to);
    };
    ASSERT_EQ(ReplaceFileAtomically((folder.Path / "a.ics").string(), "new", {}, calls), 0);

    ASSERT_EQ(log.size(), 4u) << ::testing::PrintToString(log);
    const std::string temporary = log[0].substr(std::string("write ").size());
    EXPECT_TRUE(temporary.starts_with(".a.ics.")) << "hidden, beside the target: " << temporary;
    EXPECT_EQ(log[1], "fsync " + temporary);
    EXPECT_EQ(log[2], "rename " + temporary + " a.ics");
    EXPECT_EQ(log[3], "fsync " + folder.Path.filename().string());
}

// Each step that can fail, as a full disk, a failing device or a lost mount makes it fail.
TEST(AtomicFile, AFailedStepKeepsTheOldFileAndRemovesTheTemporaryOne)
{
    const std::pair<int, std::function<void(TAtomicFileCalls&)>> cases[] = {
        {ENOSPC, [](TAtomicFileCalls& calls) { calls.Write = Fails(ENOSPC); }},
        {EIO, [](TAtomicFileCalls& calls) { calls.Fsync = Fails(EIO); }},
        {EPERM, [](TAtomicFileCalls& calls) { calls.Fchmod = Fails(EPERM); }},
        {EXDEV, [](TAtomicFileCalls& calls) { calls.Rename = Fails(EXDEV); }},
        {EIO, [](TAtomicFileCalls& calls) { calls.Close = [](int fd) { return ::close(fd), Fails(EIO)(); }; }},
        // One byte, then nothing: a write that takes nothing must not loop.
        {EIO,
         [](TAtomicFileCalls& calls) {
             calls.Write = [](int fd, const void* data, size_t) {
                 return ::lseek(fd, 0, SEEK_CUR) ? 0 : ::write(fd, data, 1);
             };
         }},
    };
    for (const auto& [error, breakStep] : cases) {
        SCOPED_TRACE(std::strerror(error));
        const TFolder folder;
        std::ofstream(folder.Path / "list") << "old";
        ::chmod((folder.Path / "list").c_str(), 0640);
        TAtomicFileCalls calls = TAtomicFileCalls::System();
        breakStep(calls);
        EXPECT_EQ(ReplaceFileAtomically((folder.Path / "list").string(), "new text", {}, calls), error);
        EXPECT_EQ(Read(folder.Path / "list"), "old");
        EXPECT_EQ(ModeOf(folder.Path / "list"), 0640u);
        EXPECT_FALSE(LeftATemporaryFile(folder.Path));
    }
}

TEST(AtomicFile, WhatCannotBeReplacedIsRefusedAndAPipeIsWrittenAsItIs)
{
    const TFolder folder;
    fs::create_directory(folder.Path / "dir");
    fs::create_symlink("loop", folder.Path / "loop");
    for (const auto& [path, error] :
         std::vector<std::pair<std::string, int>>{{"", EINVAL},
                                                  {(folder.Path / "dir").string(), EISDIR},
                                                  {(folder.Path / "dir/").string(), EISDIR},
                                                  {(folder.Path / "no/file").string(), ENOENT},
                                                  {(folder.Path / "loop").string(), ELOOP}})
        EXPECT_EQ(ReplaceFileAtomically(path, "x"), error) << path;
    EXPECT_TRUE(fs::is_directory(folder.Path / "dir"));
    EXPECT_TRUE(fs::is_symlink(folder.Path / "loop"));

    // A device node or a pipe renamed over would be gone for everyone (root may rename over /dev/null).
    ASSERT_EQ(::mkfifo((folder.Path / "pipe").c_str(), 0600), 0);
    const int reader = ::open((folder.Path / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(ReplaceFileAtomically((folder.Path / "pipe").string(), "through"), 0);
    char buffer[16] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 7);
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(folder.Path / "pipe"));
    EXPECT_FALSE(LeftATemporaryFile(folder.Path));
}

// A calendar file named as long as the file system allows: its temporary name beside it must still fit.
TEST(AtomicFile, AFileWithTheLongestNameIsReplaced)
{
    const TFolder folder;
    const fs::path target = folder.Path / (std::string(246, 'b') + ".ics");
    ASSERT_EQ(ReplaceFileAtomically(target.string(), "first"), 0);
    ASSERT_EQ(ReplaceFileAtomically(target.string(), "second"), 0);
    EXPECT_EQ(Read(target), "second");
    EXPECT_FALSE(LeftATemporaryFile(folder.Path));
}

// A timer that wants only the exit status sends the report to /dev/null: written through, never renamed over.
TEST(AtomicFile, ADeviceIsWrittenThroughAndStaysADevice)
{
    ASSERT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(ReplaceFileAtomically("/dev/null", "nothing to keep"), 0);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// The cache's own files: a link planted in place of one is replaced, and what it points to is never written.
TEST(AtomicFile, WithoutFollowingLinksALinkIsReplacedAndItsTargetLeftAlone)
{
    const TFolder folder;
    std::ofstream(folder.Path / "elsewhere") << "someone else's\n";
    fs::create_symlink(folder.Path / "elsewhere", folder.Path / "status");
    ASSERT_EQ(::mkfifo((folder.Path / "pipe").c_str(), 0600), 0);
    TAtomicFileOptions options;
    options.NewFileMode = 0600;
    options.FollowLinks = false;
    ASSERT_EQ(ReplaceFileAtomically((folder.Path / "status").string(), "mine\n", options), 0);
    EXPECT_FALSE(fs::is_symlink(folder.Path / "status"));
    EXPECT_EQ(Read(folder.Path / "status"), "mine\n");
    EXPECT_EQ(Read(folder.Path / "elsewhere"), "someone else's\n");
    EXPECT_EQ(ReplaceFileAtomically((folder.Path / "pipe").string(), "mine\n", options), EINVAL);
    EXPECT_FALSE(LeftATemporaryFile(folder.Path));
}
