#include "TFormMain.h"

#include "BuildStamp.h"
#include "Calendar.h"
#include "CheckSummary.h"
#include "IOnlineBooks.h"
#include "InstallTranslations.h"
#include "Product.h"
#include "ShowErrorReport.h"
#include "TAccessibleNames.h"
#include "TAddressBooksPage.h"
#include "TCheckCycle.h"
#include "TEventReport.h"
#include "TExcludedStores.h"
#include "TFormMainGuarded.h"
#include "TGreetingActions.h"
#include "TOptionsControls.h"
#include "TReminder.h"
#include "TReportListView.h"
#include "TStoreListView.h"
#include "TWindowKeys.h"
#include "TWindowLaunches.h"
#include "TWindowTimer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* ConfigFileName = "Nelvora.cfg";
constexpr const char* ForceDailyArgument = "-forcedaily";
constexpr int TimerStartupInterval = 1;
constexpr int TimerScrollInterval = 140;
constexpr std::int64_t CheckInterval = 3600000;
constexpr std::int64_t MillisecondsPerMinute = 60000;
constexpr int FullRows = 3; // the three headings are always there

// The debug-log boxes' texts: the box shows their translation, standard error the English.
//: Caption of a box about a failure.
constexpr const char* ErrorCaption = QT_TRANSLATE_NOOP("ShowErrorReport", "Nelvora Error");
constexpr const char* LoadFailed = QT_TRANSLATE_NOOP("ShowErrorReport", "Can't load configuration! Defaults are used!");
constexpr const char* SaveFailed = QT_TRANSLATE_NOOP("ShowErrorReport", "Can't save configuration!");
constexpr const char* CheckFailed = QT_TRANSLATE_NOOP("ShowErrorReport", "An error while checking address book!");

QString Text(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

const char* const TFormMain::HomePageUrl = "https://nelvora.example.org/nelvora_open.html";
//: Runs in one character at a time on the About page; keep it to one line.
const char* const TFormMain::AboutScrollText =
    QT_TRANSLATE_NOOP("TFormMain", "Please support the author by visiting his home page and/or providing feedback...");

TFormMain::TFormMain(const TPlatformServices& services, QWidget* parent)
    // A close box is offered: it sends the window to the tray. Without it, window managers that honour the wish
    // refuse every close (Alt+F4 as well), and those that ignore it draw one anyway.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    setObjectName(QStringLiteral("FormMain"));
    m_launches = std::make_unique<TWindowLaunches>(m_services.Launcher, m_services.Dialogs,
                                                   [this](const std::function<void()>& body) { Guarded(body); });
    m_greetings =
        std::make_unique<TGreetingActions>(m_services.Launcher, m_services.Clipboard, m_launches->AddressFailed());
    BuildLayout();

    if (m_services.Registry != nullptr && m_services.Loader != nullptr)
        m_iwab = std::make_unique<TIWAB>(*m_services.Registry, *m_services.Loader);
    else
        m_iwab = std::make_unique<TIWAB>();
    m_events.CheckForwardDays = 2;

    m_config.RunMode = 2;
    m_config.CheckForwardDays = 15;
    m_config.AutoCloseMinutes = 1;
    m_config.AlwaysOnTop = 0;

    m_iwab->Init();
    m_cycle = std::make_unique<TCheckCycle>(*m_iwab, m_events);

    StartupDone = false;
    QuitAfterCheck = false;
    LastCheckDay = 0;

    m_alphaBlend = true;
    SetOpacity(0);

    // Off the primary screen to the right; its origin counts where it does not start at 0,0.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen != nullptr ? screen->geometry() : QRect();
    move(screenRect.x() + screenRect.width() + 50, y());

    // Wired only now: a window that failed to construct must leave the tray nothing that points back to it.
    m_services.Tray.SetIcon(IconList[0]);
    m_services.Tray.SetMenu(TrayMenu);
    m_services.Tray.SetRestoreHandler([this] { Guarded([this] { TrayRestore(); }); });
    //: The tray icon's tooltip; %1 is the program's name.
    m_services.Tray.SetHint(tr("Click to open %1").arg(QString::fromUtf8(ProductName)));
    // Shown even where no notification area answers yet: the toolkit docks it when one appears later.
    m_services.Tray.Show();
    if (m_services.Notifier != nullptr)
        m_reminder = std::make_unique<TReminder>(
            *m_services.Notifier, [this] { mnuShowClick(); },
            [this](const QString& address, bool anniversary) {
                Guarded([&] { m_greetings->Write(address, anniversary); });
            });
}

TFormMain::~TFormMain()
{
    // The tray outlives the window: leave it nothing that points back here.
    try {
        m_services.Tray.SetRestoreHandler(nullptr);
        m_services.Tray.SetMenu(nullptr);
        m_services.Tray.Hide();
        m_reminder.reset();
        if (m_services.OnlineBooks != nullptr)
            m_services.OnlineBooks->SetChangedHandler(nullptr);
        if (m_services.OnlineBooks != nullptr)
            m_services.OnlineBooks->SetProgressHandler(nullptr);
        if (m_services.DayWatch != nullptr)
            m_services.DayWatch->Stop();
    } catch (...) {
    }
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // The program ends only through its quit commands; the window manager's close puts it away as "Send to Tray"
    // does.
    event->ignore();
    btnMinimizeClick();
}

void TFormMain::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_ownStateChange || !isMinimized())
        return;
    // The window manager's minimise is the tray minimise. Run after the state change has been delivered, not
    // inside it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible() && isMinimized())
                btnMinimizeClick();
        },
        Qt::QueuedConnection);
}

void TFormMain::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the page's default button, as in a dialog; a focused button that takes Enter itself has
    // already done so.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        QPushButton* button = nullptr;
        if (PageControl->currentWidget() == EventListSheet)
            button = btnMinimize;
        else if (PageControl->currentWidget() == OptionsSheet)
            button = btnSaveChanges;
        if (button != nullptr && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

// ---- start-up ----

void TFormMain::FormCreate()
{
    Guarded([this] {
        setWindowTitle(QString::fromUtf8(ProductName));

        try {
            m_config.Load(ConfigFileName);
        } catch (const TExError& error) {
            ReportFailure(ErrorCaption, LoadFailed, error);
        }

        try {
            TExcludedStores excluded;
            excluded.Load(TExcludedStores::FileName);
            m_iwab->ExcludedStores = excluded.Paths;
            AddressBooksSheet->SetExcluded(excluded.Paths);
        } catch (const TExError& error) {
            ReportFailure(ErrorCaption, LoadFailed, error);
        }

        // The page keeps a changed choice in its file at once; the next reading follows it.
        AddressBooksSheet->OnChoiceChanged = [this](const std::vector<std::string>& excluded) {
            Guarded([&] {
                m_iwab->ExcludedStores = excluded;
                RefreshList();
            });
        };
        AddressBooksSheet->OnChoiceFailed = [this](const TExError& error) {
            Guarded([&] { ReportFailure(ErrorCaption, SaveFailed, error); });
        };

        SetTopmost(m_config.AlwaysOnTop != 0);

        if (m_services.FirstArgument == ForceDailyArgument) {
            m_config.RunMode = 2; // this run only; the file keeps its mode until the user saves
            m_services.Dialogs.ShowInformation(
                tr("Check mode is set back to 'Check Daily'.\nThis option can be changed from the 'Options' tab."));
        }
        if (m_services.FirstArgument == NoBlendArgument) {
            m_alphaBlend = false;
            SetOpacity(m_alphaValue);
        }

        QuitAfterCheck = m_config.RunMode == 1;
        if (!QuitAfterCheck) {
            TimerCheck->SetInterval(CheckInterval);
            TimerCheck->SetEnabled(true);
            // Ends the wait for a new day on time; the hourly tick stays as the safety net.
            if (m_services.DayWatch != nullptr) {
                m_services.DayWatch->SetTimeOfDay(m_config.RemindAtMinutes());
                m_services.DayWatch->Start([this] { TimerCheckTimer(); });
            }
        }
        OptionsControls().Show(m_config);

        Timer->SetInterval(TimerStartupInterval);
        Timer->SetEnabled(true);

        // The online books sync in the background; the first check reads what the last run left in the cache.
        if (m_services.OnlineBooks != nullptr) {
            m_services.OnlineBooks->SetChangedHandler([this] { Guarded([this] { RefreshList(); }); });
            m_services.OnlineBooks->SetProgressHandler([this](const TOnlineProgress& progress) {
                Guarded([&] { AddressBooksSheet->SetProgress(progress); });
            });
            m_services.OnlineBooks->SyncNow();
        }

        ApplyAutoCloseInterval();
    });
}

void TFormMain::TimerTimer()
{
    Guarded([this] { DoTimerTimer(); });
}

void TFormMain::DoTimerTimer()
{
    if (StartupDone) {
        // The about scroller: one more character per tick; the tick after the whole text starts again.
        const QString scrollText = tr(AboutScrollText);
        if (AboutScrollPos >= scrollText.size()) {
            AboutScrollPos = 0;
            lblAboutScroll->setText(QString());
        }
        lblAboutScroll->setText(lblAboutScroll->text() + scrollText.at(AboutScrollPos));
        ++AboutScrollPos;
        return;
    }

    Timer->SetEnabled(false);
    Timer->SetInterval(TimerScrollInterval);
    hide();
    // The bottom-right corner of the primary screen, which need not start at 0,0 (a second screen to its left or
    // above it).
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen != nullptr ? screen->geometry() : QRect();
    const QRect frame = frameGeometry();
    move(screenRect.x() + screenRect.width() - frame.width() - 10,
         screenRect.y() + screenRect.height() - frame.height() - 40);
    SetOpacity(255);
    StartupDone = true;
    lblAboutScroll->setText(QString());
    lblAbout->setText(QStringLiteral("%1 %2").arg(QString::fromUtf8(ProductName), QString::fromUtf8(ProductVersion)));
    RunCheck();
    // Another start asked for the window before it could be shown.
    if (m_showAfterStartup && !m_terminating) {
        m_showAfterStartup = false;
        ShowMainWindow(true);
    }
}

void TFormMain::ShowForAnotherStart()
{
    Guarded([this] {
        if (StartupDone)
            ShowMainWindow(true);
        else
            m_showAfterStartup = true; // the first tick would hide it again
    });
}

void TFormMain::Terminate()
{
    m_terminating = true;
    // A running program's notice goes with it, since its actions would answer nobody; a start-and-quit run's
    // notice is the reminder and stays.
    if (m_reminder != nullptr && !QuitAfterCheck)
        m_reminder->Withdraw();
    m_services.Application.Terminate();
}

void TFormMain::ReportFailure(const char* caption, const char* text, const TExError& error)
{
    ShowErrorReport(m_services.Dialogs, m_services.Clipboard, m_services.Application, caption, text, error);
}

// ---- the check cycle ----

void TFormMain::RunCheck()
{
    try {
        m_checkToday = m_services.Clock.Today();
        setWindowTitle(QStringLiteral("%1 - %2").arg(QString::fromUtf8(ProductName),
                                                     Text(DateText(m_checkToday, m_services.DateFormat))));
        m_cycle->Load(m_checkToday, m_config.CheckForwardDays);
        AddressBooksSheet->SetStores(m_iwab->Stores);
        lblCheckSummary->Show(static_cast<std::size_t>(m_iwab->AddressBook.GetCount()), m_iwab->Stores);
        FillEventList();

        TCheckCase check;
        check.RemindWith = m_config.RemindWithMode();
        check.QuitAfterCheck = QuitAfterCheck;
        check.EventsListed = !m_cycle->Rows().empty();
        check.CanNotify = m_reminder != nullptr;
        check.NewDay = m_cycle->NewDay();
        check.NoticeDue =
            check.CanNotify && m_reminder->Prepare(m_events, m_cycle->Rows(), m_checkToday, !QuitAfterCheck,
                                                   &m_iwab->AddressBook);
        const TCheckOutcome outcome = TCheckCycle::Decide(check);
        if (outcome.WithdrawNotice)
            m_reminder->Withdraw();
        if (outcome.PostNotice) {
            const unsigned checkNumber = ++m_checkNumber;
            // The answer may come after the window is gone, or after a later check has decided anew.
            m_reminder->Post(
                [self = QPointer<TFormMain>(this), check, checkNumber, await = outcome.AwaitNotice](bool posted) {
                    if (self != nullptr && await && checkNumber == self->m_checkNumber)
                        self->Guarded([&] { self->ApplyOutcome(TCheckCycle::AfterNotice(check, posted)); });
                });
        }
        if (check.EventsListed)
            SelectPageSilently(0);
        ApplyOutcome(outcome);

        LastCheckDay = Calendar::DayOfYear(Calendar::WholeDay(m_checkToday));
    } catch (const TExError& error) {
        // The hourly tick keeps running while the box is open; it must not stack a second box on this one.
        m_checkReportOpen = true;
        try {
            ReportFailure(ProductName, CheckFailed, error);
        } catch (...) {
            m_checkReportOpen = false;
            throw;
        }
        m_checkReportOpen = false;
    }
}

// A book's cache changed after the check: the list shows it, without reminding anew.
void TFormMain::RefreshList()
{
    if (!StartupDone || m_checkReportOpen || m_services.Clock.Today() != m_checkToday)
        return;
    try {
        m_cycle->Load(m_checkToday, m_config.CheckForwardDays);
    } catch (const TExError&) {
        return; // the next check reports it; the rows shown stay
    }
    AddressBooksSheet->SetStores(m_iwab->Stores);
    lblCheckSummary->Show(static_cast<std::size_t>(m_iwab->AddressBook.GetCount()), m_iwab->Stores);
    FillEventList();
}

void TFormMain::ApplyOutcome(const TCheckOutcome& outcome)
{
    // A minimised window is out of sight too: it comes back as from the tray.
    if (outcome.ShowWindow && (!isVisible() || isMinimized())) {
        TimerEventList->SetEnabled(true);
        SetOptionsTabVisible(false);
        btnCheckNow->setEnabled(false);
        ShowMainWindow(true);
        FadeIn();
    }
    if (outcome.Terminate)
        Terminate();
}

void TFormMain::FillEventList()
{
    const TReportSource source{m_events, m_cycle->Rows(), m_config.CheckForwardDays, m_checkToday,
                               m_services.DateFormat, &TranslateText};
    ::FillEventList(*lvEventList, source);
    TAccessibleNames::DescribeRows(*lvEventList, source);
}

void TFormMain::TimerCheckTimer()
{
    Guarded([this] {
        const std::int64_t today = Calendar::WholeDay(m_services.Clock.Today());
        // The failure of the last check still on screen: the next tick retries. Before the first check: it comes.
        // Midnight, a wake-up and the hourly tick all wait for the time of day the user chose.
        const bool checkDue = !m_checkReportOpen && StartupDone &&
                              TCheckCycle::NewDayCheckDue(Calendar::DayOfYear(today) != LastCheckDay,
                                                          m_services.Clock.MinuteOfDay(), m_config.RemindAtMinutes());
        if (!checkDue) {
            // Yesterday's notice goes at midnight even where the new day's check waits (the check replaces it).
            if (m_reminder != nullptr)
                m_reminder->EndDay(m_services.Clock.Today());
            return;
        }
        if (m_services.OnlineBooks != nullptr)
            m_services.OnlineBooks->SyncNow();
        RunCheck();
    });
}

void TFormMain::TimerEventListTimer()
{
    Guarded([this] {
        if (QuitAfterCheck) {
            Terminate();
            return;
        }
        if (isVisible())
            DoBtnMinimizeClick();
        StopAutoClose();
    });
}

void TFormMain::StopAutoClose()
{
    if (!TimerEventList->Enabled())
        return;
    TimerEventList->SetEnabled(false);
    SetOptionsTabVisible(true);
    btnCheckNow->setEnabled(true);
}

void TFormMain::ApplyAutoCloseInterval()
{
    // Computed in 64 bits: a stored minute count too large for the timer, or a negative one, never fires.
    TimerEventList->SetInterval(static_cast<std::int64_t>(m_config.AutoCloseMinutes) * MillisecondsPerMinute);
}

// ---- showing and hiding ----

void TFormMain::btnMinimizeClick()
{
    Guarded([this] { DoBtnMinimizeClick(); });
}

void TFormMain::DoBtnMinimizeClick()
{
    StopAutoClose();
    QuitAfterCheck = false; // a start-and-quit run sent to the tray stays resident
    Timer->SetEnabled(false);
    if (!m_services.Tray.IsAvailable()) {
        // No notification area to bring it back from: minimise, so the task switcher still offers the window.
        if (isVisible() && !isMinimized())
            SetMinimized(true);
        return;
    }
    // Tray minimise and hiding are one step here: the window leaves screen and taskbar. A window minimised by the
    // window manager keeps that state while hidden (leaving it would map the window again); the next show clears it.
    m_place.Remember(*this);
    hide();
}

void TFormMain::ShowMainWindow(bool restoreFromTray)
{
    // A minimised window still counts as visible, but the user cannot see it.
    if (isVisible() && !isMinimized())
        return;
    if (restoreFromTray)
        TrayRestore();
    if (isMinimized())
        SetMinimized(false);
    if (!isVisible())
        m_place.Restore(*this);
    show();
    if (PageControl->currentWidget() == EventListSheet && lvEventList->RowCount() > FullRows)
        TWindowKeys::FocusList(*lvEventList);
    DoPageControlChange();
}

// Brings the program back from the tray. The window itself is shown by the restore notification, so that showing
// it always goes through ShowMainWindow and restarts the about scroller.
void TFormMain::TrayRestore()
{
    TrayIconRestore();
    raise();
    activateWindow();
}

void TFormMain::TrayIconRestore()
{
    Guarded([this] { ShowMainWindow(false); });
}

void TFormMain::mnuShowClick()
{
    Guarded([this] { ShowMainWindow(true); });
}

void TFormMain::btnCheckNowClick()
{
    Guarded([this] { RunCheck(); });
}

void TFormMain::btnQuitClick()
{
    Guarded([this] { Terminate(); });
}

void TFormMain::mnuQuitClick()
{
    Guarded([this] { Terminate(); });
}

// ---- the Options page ----

void TFormMain::btnSaveChangesClick()
{
    Guarded([this] {
        try {
            OptionsControls().Read(m_config);
            ApplyAutoCloseInterval();
            SetTopmost(m_config.AlwaysOnTop != 0);
            if (m_services.DayWatch != nullptr)
                m_services.DayWatch->SetTimeOfDay(m_config.RemindAtMinutes());
            m_config.Save(ConfigFileName);
        } catch (const TExError& error) {
            ReportFailure(ErrorCaption, SaveFailed, error);
        }
    });
}

TOptionsControls TFormMain::OptionsControls() const
{
    return {cbRunMode, UpDownForward, UpDownAutoClose, cbAlwaysOnTop, cbRemindWith, edRemindAt};
}

// ---- the About page and the launches ----

void TFormMain::PageControlChange()
{
    Guarded([this] { DoPageControlChange(); });
}

void TFormMain::DoPageControlChange()
{
    const QWidget* page = PageControl->currentWidget();
    Timer->SetEnabled(page != nullptr && page->objectName() == QLatin1String("AboutSheet"));
}

void TFormMain::Image1Click()
{
    Guarded([this] {
        m_services.Dialogs.ShowInformation(
            QStringLiteral("%1 %2 %3")
                .arg(QString::fromUtf8(ProductName), QString::fromUtf8(ProductVersion), Text(BuildStamp())));
    });
}

void TFormMain::llblHomePageClick()
{
    Guarded([this] { m_launches->OpenHomePage(QString::fromUtf8(HomePageUrl)); });
}

void TFormMain::btnHelpClick()
{
    Guarded([this] { m_launches->OpenHelpPage(nullptr); });
}

void TFormMain::ShowStoreList()
{
    // The Options page is hidden while a list the program showed by itself waits to close; asking for it ends that.
    StopAutoClose();
    PageControl->setCurrentWidget(AddressBooksSheet);
    AddressBooksSheet->List()->setFocus(Qt::OtherFocusReason);
}

void TFormMain::ShowEventMenu(int eventRow, const QPoint& at)
{
    const std::vector<TReportRow>& rows = m_cycle->Rows();
    if (eventRow < 0 || static_cast<std::size_t>(eventRow) >= rows.size())
        return;
    const TReportRow& row = rows[static_cast<std::size_t>(eventRow)];
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuEventRow"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_greetings->FillMenu(
        *menu, TGreetingActions::Person(*m_iwab->AddressBook.GetItem(row.Index), row.Kind == TEventKind::Anniversary));
    menu->popup(at);
}

void TFormMain::mnuShowAddressBookClick()
{
    Guarded([this] { m_launches->OpenAddressBook(m_iwab->Stores); });
}

void TFormMain::lvEventListDblClick()
{
    Guarded([this] { m_launches->OpenAddressBook(m_iwab->Stores); });
}
