#include "TQtLauncher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(TQtLauncherTest, StartingAProgramThatIsNotThereReportsFailure)
{
    TQtLauncher launcher;
    EXPECT_FALSE(launcher.StartProgram("/nonexistent/nelvora-no-such-program", {}));
    EXPECT_FALSE(launcher.StartProgram("", {}));
}

TEST(TQtLauncherTest, ProgramsAreFoundOnThePath)
{
    TQtLauncher launcher;
    EXPECT_TRUE(launcher.FindProgram("sh").endsWith("/sh"));
    EXPECT_TRUE(launcher.FindProgram("nelvora-no-such-program").isEmpty());
}

namespace {

// An opener of our own first on PATH: it ends with the given status after the given time, and leaves a mark when
// it has ended.
class FakeOpener
{
public:
    FakeOpener(int status, const char* delay = "0")
    {
        const QString script = m_dir.path() + QStringLiteral("/xdg-open");
        QFile file(script);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\nsleep %1\n: > '%2'\nexit %3\n")
                       .arg(QLatin1String(delay), EndMark())
                       .arg(status)
                       .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_oldPath = qgetenv("PATH");
        qputenv("PATH", m_dir.path().toUtf8() + ":" + m_oldPath);
    }
    ~FakeOpener() { qputenv("PATH", m_oldPath); }

    bool Ended() const { return QFile::exists(EndMark()); }

private:
    QString EndMark() const { return m_dir.path() + QStringLiteral("/ended"); }

    QTemporaryDir m_dir;
    QByteArray m_oldPath;
};

// Opens the target and lets the event loop run until the opener has had time to end.
int FailuresOf(TQtLauncher& launcher, const QString& url, int waitMs = 3000)
{
    int failures = 0;
    launcher.OpenUrl(url, [&failures] { ++failures; });
    QDeadlineTimer deadline(waitMs);
    while (failures == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    return failures;
}

} // namespace

TEST(TQtLauncherTest, TheOpenersFailureStatusIsAFailureAndSuccessIsNot)
{
    TQtLauncher launcher;
    {
        const FakeOpener opener(3, "0.5"); // no handler for the target, after a while
        int failures = 0;
        launcher.OpenUrl(QStringLiteral("https://example.org/"), [&failures] { ++failures; });
        EXPECT_FALSE(opener.Ended()) << "the window must not wait for the opener";
        EXPECT_EQ(failures, 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return failures > 0; }, 5000));
        EXPECT_TRUE(opener.Ended());
        QCoreApplication::processEvents();
        EXPECT_EQ(failures, 1);
    }
    {
        const FakeOpener opener(0);
        EXPECT_EQ(FailuresOf(launcher, QStringLiteral("/tmp"), 700), 0);
    }
}

TEST(TQtLauncherTest, NoOpenerOrAnAddressThatIsNotOneFailsAtOnce)
{
    TQtLauncher launcher;
    int failures = 0;
    launcher.OpenUrl(QStringLiteral("http://[::1"), [&failures] { ++failures; });
    EXPECT_EQ(failures, 1);

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent-nelvora-test");
    launcher.OpenUrl(QStringLiteral("https://example.org/"), [&failures] { ++failures; });
    qputenv("PATH", oldPath);
    EXPECT_EQ(failures, 2);
}
