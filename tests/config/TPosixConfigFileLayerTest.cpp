#include "TPosixConfigFileLayer.h"
#include "ConfigTestFiles.h"
#include "TConfig.h"
#include "TExError.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const TBytes ValidImage = {0, 0, 0, 0, 0x34, 0x12, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0,
                           3, 0, 0, 0, 1,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// Another process that holds the file open exclusively until it is released.
class TLockingChild
{
public:
    explicit TLockingChild(const std::string& path)
    {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(path.c_str(), O_RDONLY);
            const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            char any;
            (void)!::read(release[0], &any, 1); // returns when the parent closes its end
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char ok = 'n';
        (void)!::read(ready[0], &ok, 1);
        ::close(ready[0]);
        m_locked = ok == 'y';
    }
    ~TLockingChild()
    {
        ::close(m_release);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
    }
    TLockingChild(const TLockingChild&) = delete;
    TLockingChild& operator=(const TLockingChild&) = delete;

    bool Locked() const { return m_locked; }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_locked = false;
};

template <typename Operation> std::string ErrorLog(Operation operation)
{
    try {
        operation();
    } catch (const TExError& error) {
        return error.Log;
    }
    return "(no error)";
}

} // namespace

TEST(TPosixConfigFileLayer, FileHeldByAnotherProcessCannotBeLoadedOrSaved)
{
    TTempFolder folder;
    const std::string file = folder.File("Nelvora.cfg");
    WriteBytes(file, ValidImage);
    TConfig config;
    config.CheckForwardDays = 99;
    {
        TLockingChild child(file);
        ASSERT_TRUE(child.Locked());
        EXPECT_EQ(ErrorLog([&] { config.Load(file); }),
                  "TConfig:Load - Error loading file: " + file + " [Cannot open file " + file + "] [id:0]\n");
        EXPECT_EQ(config.CheckForwardDays, 99);
        EXPECT_EQ(ErrorLog([&] { config.Save(file); }),
                  "TConfig:Save - Error saving file: " + file + " [Cannot open file " + file + "] [id:0]\n");
        EXPECT_EQ(ReadBytes(file), ValidImage);
    }
    // Released: the file is usable again.
    config.Load(file);
    EXPECT_EQ(config.CheckForwardDays, 7);
}

TEST(TPosixConfigFileLayer, SecondOpenInThisProcessIsRefusedWhileTheFirstIsHeld)
{
    TTempFolder folder;
    const std::string file = folder.File("Nelvora.cfg");
    WriteBytes(file, ValidImage);
    const TPosixConfigFileLayer files;
    {
        const auto held = files.OpenExisting(file, IConfigFileLayer::Access::Read);
        EXPECT_THROW(files.OpenExisting(file, IConfigFileLayer::Access::Read), std::runtime_error);
        EXPECT_THROW(files.OpenExisting(file, IConfigFileLayer::Access::Write), std::runtime_error);
    }
    EXPECT_NO_THROW(files.OpenExisting(file, IConfigFileLayer::Access::Write));
}

TEST(TPosixConfigFileLayer, OnlyRegularFilesAreOpenedSoAFifoCannotHangTheProgram)
{
    TTempFolder folder;
    const std::string fifo = folder.File("Nelvora.cfg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    TConfig config;
    EXPECT_NE(ErrorLog([&] { config.Load(fifo); }).find("[Cannot open file "), std::string::npos);
    EXPECT_NE(ErrorLog([&] { config.Save(fifo); }).find("[Cannot open file "), std::string::npos);

    const std::string dir = folder.File("dir");
    std::filesystem::create_directory(dir);
    EXPECT_NE(ErrorLog([&] { config.Load(dir); }).find("[Cannot open file "), std::string::npos);
    EXPECT_NE(ErrorLog([&] { config.Save(dir); }).find("[Cannot open file "), std::string::npos);
}

// A file size limit makes the kernel stop the write after 10 bytes, as a full disk would.
TEST(TPosixConfigFileLayer, WriteCutShortByTheFileSystemIsReported)
{
    TTempFolder folder;
    const std::string file = folder.File("Nelvora.cfg");
    WriteBytes(file, {});
    // The bare name, as the program passes it, keeps the whole reason inside the 127-character message.
    const std::string expected = std::string("TConfig:Save - Error saving file: Nelvora.cfg [Cannot write file "
                                             "Nelvora.cfg (") +
                                 std::strerror(EFBIG) + ")] [id:0]\n";

    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (::chdir(std::filesystem::path(file).parent_path().c_str()) != 0)
            ::_exit(2);
        TConfig config;
        config.RunMode = 2;
        const std::string log = ErrorLog([&] { config.Save("Nelvora.cfg"); });
        if (log != expected)
            std::fprintf(stderr, "actual log: %s\n", log.c_str());
        ::_exit(log == expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "expected log: " << expected;
    EXPECT_EQ(ReadBytes(file).size(), 10u);
}
