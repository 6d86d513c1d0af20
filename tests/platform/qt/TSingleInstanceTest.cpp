#include "TSingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>
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

// Started again from the desktop's launcher, which gives the new process a token for the focus: the running program
// holds that token while it shows its window, so that native Wayland lets the window take the focus. Whatever else
// stands in the variable is not passed on, and nothing is left in the running program's environment.
TEST(TSingleInstanceTest, ALaterStartHandsTheFirstItsActivationToken)
{
    QTemporaryDir dir;
    TSingleInstance first(dir.path());
    ASSERT_EQ(first.Claim(), TSingleInstance::Role::First);
    std::vector<QString> seen;
    int shows = 0;
    first.SetShowHandler([&] {
        seen.push_back(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
        ++shows;
    });
    const QByteArray tokens[] = {"gnome-shell/Nelvora/2121-5-host_TIME123", "two words", "line\nshow x",
                                 QByteArray(300, 'a'), ""};
    for (const QByteArray& token : tokens) {
        qputenv("XDG_ACTIVATION_TOKEN", token);
        TSingleInstance later(dir.path());
        EXPECT_EQ(later.Claim(1s), TSingleInstance::Role::Forwarded);
        qunsetenv("XDG_ACTIVATION_TOKEN");
        WaitFor(shows, shows + 1);
    }
    EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("gnome-shell/Nelvora/2121-5-host_TIME123"), QString(),
                                          QString(), QString(), QString()}));
    EXPECT_FALSE(qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
}
