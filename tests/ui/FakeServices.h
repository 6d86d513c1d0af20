#pragma once

#include "Calendar.h"
#include "IApplication.h"
#include "IClipboard.h"
#include "IClock.h"
#include "IDayWatch.h"
#include "IDialogs.h"
#include "ILauncher.h"
#include "INotifier.h"
#include "ITrayIcon.h"
#include "TEventReport.h"

#include <QIcon>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

// Answers the modal boxes from a script and records every box shown.
class TFakeDialogs final : public IDialogs
{
public:
    struct TBox
    {
        QString Kind; // "ask", "error", "information", "errorDialog"
        QString Caption;
        QString Text;
    };

    std::deque<Answer> Answers; // for AskYesNoCancel; No when the script has run out
    std::vector<TBox> Boxes;
    std::function<void()> WhileAsking;

    Answer AskYesNoCancel(const QString& caption, const QString& text) override
    {
        Boxes.push_back({QStringLiteral("ask"), caption, text});
        if (WhileAsking)
            WhileAsking();
        if (Answers.empty())
            return Answer::No;
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowError(const QString& caption, const QString& text) override
    {
        Boxes.push_back({QStringLiteral("error"), caption, text});
    }
    void ShowInformation(const QString& text) override
    {
        Boxes.push_back({QStringLiteral("information"), QStringLiteral("Information"), text});
    }
    void ShowErrorDialog(const QString& text) override
    {
        Boxes.push_back({QStringLiteral("errorDialog"), QStringLiteral("Error"), text});
    }
};

class TFakeClipboard final : public IClipboard
{
public:
    std::vector<QString> Texts;
    void SetText(const QString& text) override { Texts.push_back(text); }
};

class TFakeApplication final : public IApplication
{
public:
    int TerminateCount = 0;
    std::vector<int> ExitNowCalls;
    void Terminate() override { ++TerminateCount; }
    void ExitNow(int status) override { ExitNowCalls.push_back(status); }
};

class TFakeClock final : public IClock
{
public:
    TDate Day = 0;
    void Set(int year, unsigned month, unsigned day)
    {
        Day = static_cast<TDate>(Calendar::DayFromCivil({year, month, day}));
    }
    void AdvanceDay(int days = 1) { Day += days; }
    TDate Today() const override { return Day; }
    int Minute = 0;
    int MinuteOfDay() const override { return Minute; }
    long long MillisecondsToNextDay() const override { return (24 * 60 - Minute) * 60000LL; }
};

// ISO dates, and a switch that makes the next format fail the way a runtime failure would.
class TFakeDateFormat final : public IShortDateFormat
{
public:
    bool Throw = false;
    std::string FormatDate(const Calendar::CivilDate& date) const override
    {
        if (Throw)
            throw std::runtime_error("date conversion failed");
        return m_iso.FormatDate(date);
    }
    std::string FormatDayMonth(unsigned month, unsigned day) const override { return m_iso.FormatDayMonth(month, day); }

private:
    TIsoDateFormat m_iso;
};

class TFakeTray final : public ITrayIcon
{
public:
    bool Available = true;
    bool Shown = false;
    QString Hint;
    QIcon Icon;
    bool IconSet = false;
    QMenu* Menu = nullptr;
    std::function<void()> Restore;

    bool IsAvailable() const override { return Available; }
    void SetIcon(const QIcon& icon) override
    {
        Icon = icon;
        IconSet = true;
    }
    void SetHint(const QString& hint) override { Hint = hint; }
    void SetMenu(QMenu* menu) override { Menu = menu; }
    void Show() override { Shown = true; }
    void Hide() override { Shown = false; }
    void SetRestoreHandler(std::function<void()> handler) override { Restore = std::move(handler); }

    // A left click on the icon.
    void Click()
    {
        if (Restore)
            Restore();
    }
};

class TFakeLauncher final : public ILauncher
{
public:
    bool OpenResult = true;
    bool StartResult = true;
    QMap<QString, QString> Installed; // name -> full path
    QString ProgramFile = QStringLiteral("/opt/nelvora/bin/nelvora");
    QStringList OpenedUrls;
    std::vector<std::pair<QString, QStringList>> Started;

    // Without OpenResult the opener fails at once, as one that cannot be started.
    void OpenUrl(const QString& url, std::function<void()> failed) override
    {
        OpenedUrls.push_back(url);
        if (!OpenResult)
            failed();
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override
    {
        Started.emplace_back(program, arguments);
        return StartResult;
    }
    QString FindProgram(const QString& name) const override { return Installed.value(name); }
    QString ProgramFilePath() const override { return ProgramFile; }
};

class TFakeNotifier final : public INotifier
{
public:
    std::vector<TNotice> Notices;
    int Withdrawals = 0;
    std::function<void()> Show; // what picking the notification does
    // What the callers wait to hear about the notices posted; a test answers them, as a server would, with Answer.
    std::vector<std::function<void(bool)>> Unanswered;

    void Notify(const TNotice& notice, std::function<void(bool posted)> posted) override
    {
        Notices.push_back(notice);
        if (posted)
            Unanswered.push_back(std::move(posted));
    }
    void Withdraw() override { ++Withdrawals; }
    void SetShowHandler(std::function<void()> handler) override { Show = std::move(handler); }
    std::function<void(const QString&)> Action; // what picking one of the other actions does
    void SetActionHandler(std::function<void(const QString& key)> handler) override { Action = std::move(handler); }

    void Answer(bool posted)
    {
        const auto answers = std::exchange(Unanswered, {});
        for (const auto& answer : answers)
            answer(posted);
    }
};

class TFakeDayWatch final : public IDayWatch
{
public:
    std::function<void()> MaybeNewDay; // set while started

    void Start(std::function<void()> maybeNewDay) override { MaybeNewDay = std::move(maybeNewDay); }
    void Stop() override { MaybeNewDay = nullptr; }
    int TimeOfDay = 0;
    void SetTimeOfDay(int minutes) override { TimeOfDay = minutes; }
};
