#include "TSingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Runs the event loop until the count reaches the wanted value or a second has passed.
void WaitFor(const int& count, int wanted)
{
    QDeadlineTimer deadline(1000);
    while (count < wanted && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

TEST(TSingleInstanceTest, ALaterStartAsksTheFirstToShowItselfAndEndsTheFirstMayStartAgainAfterwards)
{
    QTemporaryDir dir;
    int shows = 0;
    {
        TSingleInstance first(dir.path());
        ASSERT_EQ(first.Claim(), TSingleInstance::Role::First);

        // Before the window exists the request waits for the handler.
        TSingleInstance second(dir.path());
        EXPECT_EQ(second.Claim(1s), TSingleInstance::Role::Forwarded);
        QCoreApplication::processEvents();
        first.SetShowHandler([&shows] { ++shows; });
        WaitFor(shows, 1);
        EXPECT_EQ(shows, 1);

        TSingleInstance third(dir.path());
        EXPECT_EQ(third.Claim(1s), TSingleInstance::Role::Forwarded);
        WaitFor(shows, 2);
        EXPECT_EQ(shows, 2);
    }
    // The first has ended: the next start is the instance.
    TSingleInstance next(dir.path());
    EXPECT_EQ(next.Claim(1s), TSingleInstance::Role::First);
}

TEST(TSingleInstanceTest, ASocketLeftByACrashedInstanceDoesNotBlockTheNextStart)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path() + QStringLiteral("/nelvora.socket"));
    // A socket file with nobody listening, as a killed instance leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(QString::fromUtf8(path)));

    TSingleInstance first(dir.path());
    EXPECT_EQ(first.Claim(1s), TSingleInstance::Role::First);
    int shows = 0;
    first.SetShowHandler([&shows] { ++shows; });
    TSingleInstance second(dir.path());
    EXPECT_EQ(second.Claim(1s), TSingleInstance::Role::Forwarded);
    WaitFor(shows, 1);
    EXPECT_EQ(shows, 1);
}
