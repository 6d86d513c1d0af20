#include "InstallTranslations.h"
#include "ShowErrorReport.h"
#include "TDBusNotifier.h"
#include "TDayWatch.h"
#include "TExError.h"
#include "TFormMain.h"
#include "TLocaleDateFormat.h"
#include "TNoticeRecord.h"
#include "TOnlineBooks.h"
#include "TPlatformServices.h"
#include "TQtApplication.h"
#include "TQtClipboard.h"
#include "TQtDialogs.h"
#include "TQtLauncher.h"
#include "TQtTrayIcon.h"
#include "TQuitSignals.h"
#include "TSingleInstance.h"
#include "TSystemClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QIcon>
#include <QTimer>

#include <chrono>
#include <exception>
#include <string>

// The main window, for as long as it exists.
TFormMain* FormMain = nullptr;

namespace {

// At log-in the autostart entry often runs before the panel that holds the notification area, so the program
// waits for it a while; a desktop that has none at all gets the program without an icon after the wait.
constexpr std::chrono::milliseconds NotificationAreaWait = std::chrono::seconds(30);
constexpr std::chrono::milliseconds NotificationAreaPoll{250};
// A program that ends right after posting its notification gives it this long to reach the server; a missing
// server answers at once, so only a hung one costs the wait.
constexpr int NotificationFlush = 2000;

// The application object, with the framework's last line of defence: a failure that escapes an event handler is
// shown in the standard error box and the program goes on. The window's own handlers catch theirs first; this is
// for whatever slips past them, so that nothing ever unwinds through the toolkit's event loop.
class TNelvoraApplication final : public QApplication
{
public:
    TNelvoraApplication(int& argc, char** argv, IDialogs& dialogs) : QApplication(argc, argv), m_dialogs(dialogs) {}

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const TExError& error) {
            Report(error.Message);
        } catch (const std::exception& error) {
            Report(error.what());
        } catch (...) {
            Report(std::string());
        }
        return false;
    }

private:
    void Report(const std::string& message) noexcept
    {
        try {
            ShowStandardError(m_dialogs, message);
        } catch (...) {
            // the error box itself failed; there is nobody left to tell
        }
    }

    IDialogs& m_dialogs;
};

// Polls while the event loop runs, so that the desktop can answer the toolkit's questions about its tray.
void WaitForNotificationArea(const ITrayIcon& tray)
{
    if (tray.IsAvailable())
        return;
    QElapsedTimer waited;
    waited.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(NotificationAreaPoll);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (tray.IsAvailable() || waited.elapsed() >= NotificationAreaWait.count())
            loop.quit();
    });
    poll.start();
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    // Taken before the toolkit removes the arguments it understands from argv.
    const std::string firstArgument = argc > 1 && argv[1] != nullptr ? argv[1] : "";

    TQtDialogs dialogs;
    TQtClipboard clipboard;
    TQtApplication application;
    TNelvoraApplication app(argc, argv, dialogs);

    // A second start in this session shows the running program's window and ends here.
    TSingleInstance instance;
    if (instance.Claim() == TSingleInstance::Role::Forwarded)
        return 0;

    try {
        InstallTranslations(app);
        QApplication::setApplicationName(QStringLiteral("Nelvora"));
        // The id of the installed desktop file: Wayland compositors take the window's icon and name from it.
        QGuiApplication::setDesktopFileName(QStringLiteral(NELVORA_APP_ID));
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/nelvora.svg")));
        // The window spends most of its life hidden in the tray; closing a message box then must not end the program.
        QApplication::setQuitOnLastWindowClosed(false);

        TQtTrayIcon tray;
        TSystemClock clock;
        const TLocaleDateFormat dateFormat;
        TQtLauncher launcher;
        WaitForNotificationArea(tray);
        // The notice on the screen is remembered for the session, so that a start after a crash or a kill replaces
        // the one the ended run left.
        TDBusNotifier notifier(
            QStringLiteral("Nelvora"), QStringLiteral(NELVORA_APP_ID), QDBusConnection::sessionBus(),
            TNoticeRecord(TNoticeRecord::DefaultPath(), qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS")));
        TDayWatch dayWatch;

        TPlatformServices services{dialogs, clipboard, tray, clock, dateFormat, launcher, application, firstArgument};
        services.Notifier = &notifier;
        services.DayWatch = &dayWatch;
        TOnlineBooks onlineBooks(launcher);
        services.OnlineBooks = &onlineBooks;
        TFormMain form(services);
        FormMain = &form;
        form.FormCreate();
        instance.SetShowHandler([&form] { form.ShowForAnotherStart(); });
        // The window is not shown here. The first tick hides it before anything is drawn anyway, and a show that
        // is followed by a hide a millisecond later can leave the window manager with a pending map that swallows
        // the show of the first check (seen with openbox: the list never appeared although something was due).
        // Not mapping it also keeps a start-and-quit run with nothing due entirely off the screen.
        // A logout or a service stop ends the program as "Quit Application" does.
        const TQuitSignals quitSignals([&form] { form.mnuQuitClick(); });
        QApplication::exec();
        instance.SetShowHandler(nullptr);
        notifier.Finish(NotificationFlush);
        FormMain = nullptr;
        return 0;
    } catch (const TExError& error) {
        FormMain = nullptr;
        //: Caption of the box for a failure that nothing else caught; the program ends after it.
        ShowErrorReport(dialogs, clipboard, application, QT_TRANSLATE_NOOP("ShowErrorReport", "Uncaught exception"),
                        QT_TRANSLATE_NOOP("ShowErrorReport", "An error occured:"), error);
        return 0;
    } catch (const std::exception& error) {
        FormMain = nullptr;
        ShowStandardError(dialogs, error.what());
        return 0;
    } catch (...) {
        FormMain = nullptr;
        ShowStandardError(dialogs, std::string());
        return 0;
    }
}
