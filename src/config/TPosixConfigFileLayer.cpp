#include "TPosixConfigFileLayer.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TPosixConfigFile final : public IConfigFile
{
public:
    TPosixConfigFile(int fd, std::string fileName) : m_fd(fd), m_fileName(std::move(fileName)) {}
    ~TPosixConfigFile() override { ::close(m_fd); } // also drops the lock
    TPosixConfigFile(const TPosixConfigFile&) = delete;
    TPosixConfigFile& operator=(const TPosixConfigFile&) = delete;

    std::size_t ReadFromStart(unsigned char* buffer, std::size_t size) override
    {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t got = ::pread(m_fd, buffer + done, size - done, static_cast<off_t>(done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return 0;
            if (got == 0)
                break;
            done += static_cast<std::size_t>(got);
        }
        return done;
    }

    std::size_t WriteAtStart(const unsigned char* buffer, std::size_t size) override
    {
        // write() may legitimately stop short (a signal, a file size limit); keep going until the file refuses,
        // and then say why rather than leave a torn image behind without a word.
        std::size_t done = 0;
        while (done < size) {
            const ssize_t put = ::pwrite(m_fd, buffer + done, size - done, static_cast<off_t>(done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                const int error = put < 0 ? errno : ENOSPC;
                throw std::runtime_error("Cannot write file " + m_fileName + " (" + std::strerror(error) + ")");
            }
            done += static_cast<std::size_t>(put);
        }
        return done;
    }

private:
    int m_fd;
    std::string m_fileName;
};

} // namespace

std::string TPosixConfigFileLayer::CannotOpenText(const std::string& fileName)
{
    return "Cannot open file " + fileName;
}

std::unique_ptr<IConfigFile> TPosixConfigFileLayer::OpenExisting(const std::string& fileName, Access access) const
{
    // No O_CREAT and no O_TRUNC: the program never makes the file and keeps whatever follows the image.
    // O_NONBLOCK keeps a FIFO planted under the file's name from hanging the open.
    const int flags = (access == Access::Read ? O_RDONLY : O_WRONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    int fd = -1;
    do {
        fd = ::open(fileName.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw std::runtime_error(CannotOpenText(fileName));

    struct stat status = {};
    int locked = -1;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
    }
    if (locked != 0) {
        ::close(fd);
        throw std::runtime_error(CannotOpenText(fileName));
    }
    return std::make_unique<TPosixConfigFile>(fd, fileName);
}
