#pragma once

#include "TConfig.h"
#include "TEventList.h"
#include "TIWAB.h"
#include "TPlatformServices.h"
#include "TWindowPlace.h"

#include <QCoreApplication>
#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTimeEdit;
class TCheckCycle;
class TCheckSummary;
struct TOptionsControls;
struct TCheckOutcome;
class TClickLabel;
class TReminder;
class TAddressBooksPage;
class TReportListView;
class TGreetingActions;
class TWindowLaunches;
class TWindowTimer;

// The program's only window: it owns the options, the address-book binding and the event list, runs the check
// cycle on its timers and lives in the tray between checks.
class TFormMain final : public QWidget
{
    // The window's texts are looked up under "TFormMain", not under the base class's name.
    Q_DECLARE_TR_FUNCTIONS(TFormMain)

public:
    // Throws TExError when the address-book library cannot be bound. Without a notification area the window goes
    // on without its icon and minimises where it would hide.
    explicit TFormMain(const TPlatformServices& services, QWidget* parent = nullptr);
    ~TFormMain() override;

    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    // Runs once after construction, before the event loop.
    void FormCreate();

    // Handlers. Each one shows any failure it does not expect in the standard error box and returns normally.
    void TimerTimer();
    void TimerCheckTimer();
    void TimerEventListTimer();
    void btnMinimizeClick();
    void btnCheckNowClick();
    void btnQuitClick();
    void btnHelpClick();
    void btnSaveChangesClick();
    void mnuShowClick();
    void mnuQuitClick();
    void mnuShowAddressBookClick();
    void TrayIconRestore();
    void PageControlChange();
    void Image1Click();
    void llblHomePageClick();
    void lvEventListDblClick();
    // A second start of the program in this session: show the window as "Show Main Window" does.
    void ShowForAnotherStart();

    // Operations the handlers share.
    void RunCheck();
    void StopAutoClose();
    void ShowMainWindow(bool restoreFromTray);
    void FadeIn();
    void SetTopmost(bool on);
    void FillEventList();

    const TConfig& Config() const { return m_config; }
    const TEventList& EventList() const { return m_events; }
    const TIWAB& AddressBookBinding() const { return *m_iwab; }

    bool StartupDone = false;
    bool QuitAfterCheck = false;
    std::uint32_t LastCheckDay = 0;
    int AboutScrollPos = 0;

    // The home page; only its path is fixed.
    static const char* const HomePageUrl;
    static const char* const AboutScrollText;
    // The argument that turns the fading off.
    static constexpr const char* NoBlendArgument = "-noblend";

protected:
    // The window manager's close and minimise (which many managers offer whatever the window asks for) act as
    // "Send to Tray"; only the quit commands end the program.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildEventListSheet();
    QWidget* BuildOptionsSheet();
    QWidget* BuildAboutSheet();
    void BuildTray();

    void DoTimerTimer();
    void DoBtnMinimizeClick();
    void DoPageControlChange();
    void TrayRestore();
    void SetOpacity(int value);
    void SetMinimized(bool minimized);
    void Terminate();
    void ApplyOutcome(const TCheckOutcome& outcome);
    void RefreshList();
    void ShowEventMenu(int eventRow, const QPoint& at);
    void ReportFailure(const char* caption, const char* text, const TExError& error);
    TOptionsControls OptionsControls() const;
    void SelectPageSilently(int index);
    void SetOptionsTabVisible(bool visible);
    void ApplyAutoCloseInterval();
    void ShowStoreList();

    // Runs one handler so that nothing it throws unwinds into the event loop.
    template <typename Body> void Guarded(Body&& body) noexcept;

    TPlatformServices m_services;
    TWindowPlace m_place;

    // Destroyed in reverse order: the event list before the contact list, as the owner frees them.
    std::unique_ptr<TIWAB> m_iwab;
    TEventList m_events;
    TConfig m_config;
    std::unique_ptr<TReminder> m_reminder;
    std::unique_ptr<TCheckCycle> m_cycle;
    std::unique_ptr<TWindowLaunches> m_launches;
    std::unique_ptr<TGreetingActions> m_greetings;
    unsigned m_checkNumber = 0;

    std::vector<QIcon> IconList;

    bool m_alphaBlend = true;
    int m_alphaValue = 0;
    bool m_silentPageChange = false;
    bool m_ownStateChange = false;
    bool m_checkReportOpen = false;
    bool m_showAfterStartup = false;
    bool m_terminating = false;
    TDate m_checkToday = 0;

    QTabWidget* PageControl = nullptr;
    QWidget* EventListSheet = nullptr;
    QWidget* OptionsSheet = nullptr;
    TAddressBooksPage* AddressBooksSheet = nullptr;
    QWidget* AboutSheet = nullptr;
    TReportListView* lvEventList = nullptr;
    TCheckSummary* lblCheckSummary = nullptr;
    QPushButton* btnMinimize = nullptr;
    QPushButton* btnCheckNow = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnQuit = nullptr;

    QComboBox* cbRunMode = nullptr;
    QLineEdit* edCheckForward = nullptr;
    QSpinBox* UpDownForward = nullptr;
    QLineEdit* edAutoClose = nullptr;
    QSpinBox* UpDownAutoClose = nullptr;
    QCheckBox* cbAlwaysOnTop = nullptr;
    QTimeEdit* edRemindAt = nullptr;
    QComboBox* cbRemindWith = nullptr;
    QPushButton* btnSaveChanges = nullptr;

    TClickLabel* Image1 = nullptr;
    QLabel* lblAbout = nullptr;
    QLabel* lblAboutScroll = nullptr;
    TClickLabel* llblHomePage = nullptr;

    TWindowTimer* Timer = nullptr;
    TWindowTimer* TimerCheck = nullptr;
    TWindowTimer* TimerEventList = nullptr;

    QMenu* TrayMenu = nullptr;
};
