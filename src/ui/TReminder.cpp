#include "TReminder.h"

#include "Calendar.h"
#include "TEventList.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString Tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("TReminder", text, nullptr, n);
}

// Without a translation loaded the source text's plural markers would show; English plurals are made here.
QString Counted(const char* text, int n)
{
    QString counted = Tr(text, n);
    counted.replace(QLatin1String("y(ies)"), n == 1 ? QLatin1String("y") : QLatin1String("ies"));
    counted.replace(QLatin1String("(s)"), n == 1 ? QLatin1String("") : QLatin1String("s"));
    return counted;
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
    shown = shown.simplified();
    if (shown.size() > MaxNameLength) {
        qsizetype cut = MaxNameLength - 1;
        // Never half a character: a surrogate pair stays whole or goes.
        if (shown.at(cut - 1).isHighSurrogate())
            --cut;
        shown = shown.left(cut) + QChar(0x2026);
    }
    return shown;
}

std::vector<TReminder::TItem> TReminder::Collect(const TEventList& events, TDate today) const
{
    const std::int64_t now = Calendar::WholeDay(today);
    std::vector<TItem> items;
    // The order of the list: today, tomorrow, then the window; birthday before anniversary.
    for (const DueCategory group : {dueToday, dueTomorrow, dueWithin}) {
        for (std::int32_t i = 0; i < events.GetCount(); ++i) {
            const tdstEvent& event = *events.GetItem(i);
            const struct
            {
                TDate Date;
                DueCategory Due;
                std::int32_t Years;
                bool Anniversary;
            } dates[] = {{event.Birthday, event.BirthdayDue, event.BirthdayYears, false},
                         {event.Anniversary, event.AnniversaryDue, event.AnniversaryYears, true}};
            for (const auto& date : dates) {
                if (date.Due != group)
                    continue;
                const TDueDate due = ClassifyDate(date.Date, today, events.CheckForwardDays);
                const std::int64_t days = Calendar::WholeDay(due.Occurrence) - now;
                TItem item;
                item.Name = ShownName(event.Name);
                item.Anniversary = date.Anniversary;
                item.Years = date.Years;
                item.YearKnown = !IsYearUnknown(date.Date);
                item.Days = static_cast<int>(days);
                item.Key = event.Name +
                           (date.Anniversary ? "\x1f"
                                               "a"
                                             : "\x1f"
                                               "b") +
                           std::to_string(days + now);
                if (group == dueWithin && (days != events.CheckForwardDays || m_announced.count(item.Key) != 0))
                    continue;
                items.push_back(std::move(item));
            }
        }
    }
    return items;
}

TNotice TReminder::Compose(const std::vector<TItem>& items, bool withActions)
{
    // Counts in the summary: birthdays and anniversaries of each group, in the list's order.
    struct TCount
    {
        int Days;
        bool Anniversary;
        int Count;
    };
    std::vector<TCount> counts;
    for (const TItem& item : items) {
        const int days = item.Days > 1 ? 2 : item.Days;
        auto found = std::find_if(counts.begin(), counts.end(), [&](const TCount& count) {
            return count.Days == days && count.Anniversary == item.Anniversary;
        });
        if (found == counts.end())
            counts.push_back({days, item.Anniversary, 1});
        else
            ++found->Count;
    }
    std::stable_sort(counts.begin(), counts.end(), [](const TCount& a, const TCount& b) {
        return a.Days != b.Days ? a.Days < b.Days : !a.Anniversary && b.Anniversary;
    });
    const int windowDays = items.empty() ? 0 : items.back().Days;
    QStringList parts;
    for (const TCount& count : counts) {
        if (count.Days == 0)
            parts.push_back(count.Anniversary
                                ? Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies) today"), count.Count)
                                : Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s) today"), count.Count));
        else if (count.Days == 1)
            parts.push_back(count.Anniversary
                                ? Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies) tomorrow"), count.Count)
                                : Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s) tomorrow"), count.Count));
        else
            parts.push_back(
                (count.Anniversary
                     ? Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n anniversary(ies) in %1 days"), count.Count)
                     : Counted(QT_TRANSLATE_N_NOOP("TReminder", "%n birthday(s) in %1 days"), count.Count))
                    .arg(windowDays));
    }

    TNotice notice;
    notice.Summary = parts.join(QStringLiteral(", "));
    for (const TItem& item : items) {
        if (notice.BodyLines.size() == MaxLines) {
            notice.BodyLines.push_back(
                Counted(QT_TRANSLATE_N_NOOP("TReminder", "and %n more"), static_cast<int>(items.size()) - MaxLines));
            break;
        }
        // The event as the list writes it, in the list's words.
        const QString years = QString::number(item.Years);
        const QString event =
            item.Anniversary ? (item.YearKnown ? QCoreApplication::translate("TEventReport", "anniv. %1").arg(years)
                                               : QCoreApplication::translate("TEventReport", "anniv."))
                             : (item.YearKnown ? QCoreApplication::translate("TEventReport", "bday. %1").arg(years)
                                               : QCoreApplication::translate("TEventReport", "bday."));
        const QString when = item.Days == 0   ? Tr(QT_TRANSLATE_NOOP("TReminder", "today"))
                             : item.Days == 1 ? Tr(QT_TRANSLATE_NOOP("TReminder", "tomorrow"))
                                              : Tr(QT_TRANSLATE_N_NOOP("TReminder", "in %n days"), item.Days);
        notice.BodyLines.push_back(Tr(QT_TRANSLATE_NOOP("TReminder", "%1: %2 %3")).arg(item.Name, event, when));
    }
    for (const TItem& item : items)
        if (item.Days == 0)
            notice.ExpireMs = 0;
    if (withActions)
        notice.ShowListLabel = Tr(QT_TRANSLATE_NOOP("TReminder", "Show List"));
    return notice;
}

bool TReminder::AfterCheck(const TEventList& events, TDate today, bool withActions)
{
    const std::vector<TItem> items = Collect(events, today);
    if (items.empty())
        return false;
    m_notifier.Notify(Compose(items, withActions));
    for (const TItem& item : items)
        if (item.Days > 1)
            m_announced.insert(item.Key);
    return true;
}
