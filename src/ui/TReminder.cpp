#include "TReminder.h"

#include "TAddressBook.h"

#include "Calendar.h"
#include "TEventList.h"
#include "TEventReport.h"
#include "TReportRows.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// The keys of the "Write to" actions: the kind of date, then the address.
const QLatin1String WriteBirthdayKey("write-birthday:");
const QLatin1String WriteAnniversaryKey("write-anniversary:");

QString Tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("TReminder", text, nullptr, n);
}

// The lookup the event rows are worded with.
std::string TranslateUtf8(const char* context, const char* text, int n)
{
    return QCoreApplication::translate(context, text, nullptr, n).toStdString();
}

// Embeddings, overrides and isolates (U+202A..U+202E, U+2066..U+2069). One left open in a name would carry on
// into the rest of the line, and a stray U+2069 would end the isolate the name is shown in.
bool IsDirectionControl(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

// The name between FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE: a right-to-left name takes its own direction
// without reordering the text around it.
QString Isolated(const QString& name)
{
    return QChar(0x2068) + name + QChar(0x2069);
}

} // namespace

QString TReminder::ShownName(const std::string& name)
{
    QString shown = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    // Control characters and line breaks would break the body into false lines or garble it.
    for (QChar& c : shown) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    shown.removeIf([](QChar c) { return IsDirectionControl(c.unicode()); });
    shown = shown.simplified();
    if (shown.size() > MaxNameLength) {
        // Never half a character: the cut falls between two characters as the reader sees them (a letter with its
        // accents, an emoji with its modifiers), or at least between two code points.
        qsizetype cut = MaxNameLength - 1;
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
        graphemes.setPosition(cut);
        if (!graphemes.isAtBoundary()) {
            const qsizetype previous = graphemes.toPreviousBoundary();
            if (previous > 0)
                cut = previous;
            else if (shown.at(cut - 1).isHighSurrogate())
                --cut;
        }
        shown = shown.left(cut) + QChar(0x2026);
    }
    return shown;
}

std::vector<TReminder::TItem> TReminder::Collect(const TEventList& events, const std::vector<TReportRow>& rows,
                                                 TDate today, const TAddressBook* contacts)
{
    // A date whose day has gone by is never announced again under the same key; later years bring new keys.
    m_announced.erase(m_announced.begin(), m_announced.lower_bound({Calendar::WholeDay(today), std::string()}));

    std::vector<TItem> items;
    for (const TReportRow& row : rows) {
        const std::string& name = events.GetItem(row.Index)->Name;
        const bool anniversary = row.Kind == TEventKind::Anniversary;
        TAnnounced key{row.Occurrence, name + '\x1f' + (anniversary ? 'a' : 'b')};
        // The window announces a date once, on the day it enters.
        if (row.Group == dueWithin && (row.Days != events.CheckForwardDays || m_announced.count(key) != 0))
            continue;
        items.push_back({ShownName(name),
                         QString::fromStdString(EventLabel(row, &TranslateUtf8)),
                         anniversary,
                         row.Days,
                         std::move(key),
                         {}});
        if (row.Days == 0 && contacts != nullptr && row.Index < contacts->GetCount() &&
            !contacts->GetItem(row.Index)->Emails.empty())
            items.back().Email = contacts->GetItem(row.Index)->Emails.front();
    }
    return items;
}

TNotice TReminder::Compose(const std::vector<TItem>& items, bool withActions)
{
    // The summary fits a banner (some desktops cut it at about 40 characters): it speaks of the nearest day with
    // dates only, the body names them all. Items come in the list's order, so the first is of the nearest day.
    int birthdays = 0;
    int anniversaries = 0;
    for (const TItem& item : items)
        if (item.Days == items.front().Days)
            ++(item.Anniversary ? anniversaries : birthdays);
    const int days = items.front().Days;
    QString summary;
    if (anniversaries == 0 || birthdays == 0) {
        const bool anniversary = birthdays == 0;
        const int count = anniversary ? anniversaries : birthdays;
        if (days == 0)
            summary = anniversary ? Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies) today"), count)
                                  : Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s) today"), count);
        else if (days == 1)
            summary = anniversary ? Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies) tomorrow"), count)
                                  : Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s) tomorrow"), count);
    }
    if (summary.isEmpty()) {
        // Beside each other the two kinds take the summary's short words, so that a busy day fits the banner.
        //: The summary of a notification, where birthdays and anniversaries fall on one day: keep it short, the
        //: whole summary ("3 birthdays and 1 anniversary today") should stay within 40 characters.
        const QString births = QCoreApplication::translate("TReminder", "%n birthday(s)", "summary", birthdays);
        //: Beside the birthdays in the summary: keep it short ("1 anniversary" rather than "1 wedding anniversary").
        const QString annivs =
            QCoreApplication::translate("TReminder", "%n anniversary(ies)", "summary", anniversaries);
        const QString events =
            birthdays == 0       ? Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies)"), anniversaries)
            : anniversaries == 0 ? Tr(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s)"), birthdays)
                                 //: The dates of one day in the notification's summary: %1 is the birthdays ("3
                                 //: birthdays"), %2 the anniversaries ("1 anniversary").
                                 : Tr(QT_TRANSLATE_NOOP("TReminder", "%1 and %2")).arg(births, annivs);
        const QString when = days == 0   ? Tr(QT_TRANSLATE_NOOP("TReminder", "today"))
                             : days == 1 ? Tr(QT_TRANSLATE_NOOP("TReminder", "tomorrow"))
                                         : Tr(QT_TRANSLATE_N_NOOP("TReminder", "in %n days"), days);
        // Each number takes its own plural form: in many languages the word for "days" follows the days, not the
        // count of events.
        //: How many events come when: %1 is the count of events ("2 birthdays"), %2 when ("in 5 days").
        summary = Tr(QT_TRANSLATE_NOOP("TReminder", "%1 %2")).arg(events, when);
    }

    TNotice notice;
    notice.Summary = summary;
    for (const TItem& item : items) {
        if (notice.BodyLines.size() == MaxLines) {
            notice.BodyLines.push_back(
                Tr(QT_TRANSLATE_N_NOOP("TReminder", "and %n more"), static_cast<int>(items.size()) - MaxLines));
            break;
        }
        const QString when = item.Days == 0   ? Tr(QT_TRANSLATE_NOOP("TReminder", "today"))
                             : item.Days == 1 ? Tr(QT_TRANSLATE_NOOP("TReminder", "tomorrow"))
                                              : Tr(QT_TRANSLATE_N_NOOP("TReminder", "in %n days"), item.Days);
        notice.BodyLines.push_back(
            Tr(QT_TRANSLATE_NOOP("TReminder", "%1: %2 %3")).arg(Isolated(item.Name), item.Event, when));
    }
    if (withActions) {
        notice.ShowListLabel = Tr(QT_TRANSLATE_NOOP("TReminder", "Show List"));
        for (const TItem& item : items) {
            if (item.Email.empty() || notice.Actions.size() == MaxWriteActions)
                continue;
            const QString key =
                (item.Anniversary ? WriteAnniversaryKey : WriteBirthdayKey) + QString::fromStdString(item.Email);
            //: A button of the notification: writes an e-mail to the person (%1) whose date is today.
            notice.Actions.emplace_back(key,
                                        Tr(QT_TRANSLATE_NOOP("TReminder", "Write to %1")).arg(Isolated(item.Name)));
        }
    }
    return notice;
}

TReminder::TReminder(INotifier& notifier, std::function<void()> show,
                     std::function<void(const QString& address, bool anniversary)> write)
    : m_notifier(notifier)
{
    m_notifier.SetShowHandler(std::move(show));
    if (write)
        m_notifier.SetActionHandler([write = std::move(write)](const QString& key) {
            for (const bool anniversary : {false, true}) {
                const QLatin1String prefix = anniversary ? WriteAnniversaryKey : WriteBirthdayKey;
                if (key.startsWith(prefix))
                    write(key.mid(prefix.size()), anniversary);
            }
        });
}

bool TReminder::Prepare(const TEventList& events, const std::vector<TReportRow>& rows, TDate today, bool withActions,
                        const TAddressBook* contacts)
{
    m_prepared = Collect(events, rows, today, contacts);
    if (m_prepared.empty())
        return false;
    m_notice = Compose(m_prepared, withActions);
    m_preparedDay = Calendar::WholeDay(today);
    return true;
}

void TReminder::Withdraw()
{
    m_notifier.Withdraw();
    m_shownDay.reset();
}

void TReminder::EndDay(TDate today)
{
    if (m_shownDay && *m_shownDay != Calendar::WholeDay(today))
        Withdraw();
}

void TReminder::Post(std::function<void(bool posted)> posted)
{
    if (m_prepared.empty())
        return;
    m_notifier.Notify(m_notice, std::move(posted));
    m_shownDay = m_preparedDay;
    for (const TItem& item : m_prepared)
        if (item.Days > 1)
            m_announced.insert(item.Key);
    m_prepared.clear();
}
