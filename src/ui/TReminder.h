#pragma once

#include "INotifier.h"
#include "Records.h"
#include "TReportRows.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class TAddressBook;
class TEventList;

// Turns a check into one desktop notification: the dates due today and tomorrow, and those that enter the
// look-ahead window today. So a date reminds as many days ahead as the window is long, the day before and on the
// day. A date already announced as coming is not announced again for the same day; a year on it comes round anew.
class TReminder final
{
public:
    static constexpr int MaxLines = 8;
    static constexpr int MaxNameLength = 80;

    // At most this many "Write to" actions: servers show few buttons.
    static constexpr int MaxWriteActions = 2;

    // `show` is called when the user picks the notification or its action; `write` when the user picks one of its
    // "Write to" actions, with the person's address and whether the date is an anniversary.
    TReminder(INotifier& notifier, std::function<void()> show,
              std::function<void(const QString& address, bool anniversary)> write = {});
    ~TReminder()
    {
        m_notifier.SetShowHandler(nullptr);
        m_notifier.SetActionHandler(nullptr);
    }
    TReminder(const TReminder&) = delete;
    TReminder& operator=(const TReminder&) = delete;

    // Works out the notice of a check of `events` on `today`; `withActions` is false for a program that ends after
    // the check, whose notice stays as the reminder with nothing on it that needs the ended program. The notice
    // takes the server's own timeout: it is true for the whole day, and EndDay takes it down when the day ends.
    // Returns whether there is anything to remind of; Post then hands it to the desktop.
    // `rows` are the check's rows of `events` (ReportRows). With `contacts` (the list `events` was built from), the
    // notice offers to write to people due today.
    bool Prepare(const TEventList& events, const std::vector<TReportRow>& rows, TDate today, bool withActions,
                 const TAddressBook* contacts = nullptr);
    // Posts what Prepare found; the dates it announces as coming count as announced from now on. `posted` hears
    // whether a notification server took it.
    void Post(std::function<void(bool posted)> posted);
    // Takes the last notice off the screen: a new day has made its "today" false, or the program ends and its
    // actions with it.
    void Withdraw();
    // Called whenever the day may have changed: a notice of an earlier day than `today` is taken down, since its
    // "today" and "tomorrow" are no longer true.
    void EndDay(TDate today);

    // A name as the notification shows it: plain text on one line without direction controls of its own, cut to
    // MaxNameLength characters between two characters as the reader sees them.
    static QString ShownName(const std::string& name);

    // How many dates announced as coming are still remembered; those that have passed are forgotten at a check.
    std::size_t AnnouncedCount() const { return m_announced.size(); }

private:
    // A date announced as coming: its occurrence, then the contact's name and the kind of date.
    using TAnnounced = std::pair<std::int64_t, std::string>;

    struct TItem
    {
        QString Name;
        QString Event; // the list's event column, "bday. 30"
        bool Anniversary = false;
        int Days = 0;
        TAnnounced Key;
        std::string Email; // the preferred address, for people due today
    };

    // Forgets the announced dates that have passed, then gathers the items of a check in the list's order.
    std::vector<TItem> Collect(const TEventList& events, const std::vector<TReportRow>& rows, TDate today,
                               const TAddressBook* contacts);
    static TNotice Compose(const std::vector<TItem>& items, bool withActions);

    INotifier& m_notifier;
    std::set<TAnnounced> m_announced;
    std::vector<TItem> m_prepared;
    TNotice m_notice;
    std::int64_t m_preparedDay = 0;
    std::optional<std::int64_t> m_shownDay; // the whole day of the notice on the screen
};
