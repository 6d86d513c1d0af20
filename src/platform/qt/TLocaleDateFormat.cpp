#include "TLocaleDateFormat.h"

#include <QDate>

#include <cstdio>
#include <vector>

namespace {

// One run of a pattern: a field (a run of one of the letters d, M, y) or literal text, quotes kept as written.
struct TPatternRun
{
    bool Field = false;
    QString Text;
    bool IsYear() const { return Field && Text.startsWith(QLatin1Char('y')); }
};

bool IsFieldLetter(QChar c)
{
    return c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y');
}

std::vector<TPatternRun> SplitPattern(const QString& pattern)
{
    std::vector<TPatternRun> runs;
    auto appendLiteral = [&runs](const QString& text) {
        if (runs.empty() || runs.back().Field)
            runs.push_back({false, {}});
        runs.back().Text += text;
    };
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (IsFieldLetter(c)) {
            qsizetype end = i;
            while (end < pattern.size() && pattern[end] == c)
                ++end;
            runs.push_back({true, pattern.mid(i, end - i)});
            i = end;
        } else if (c == QLatin1Char('\'')) {
            // Quoted text runs to the next lone quote; '' inside stands for a quote. An unclosed quote runs to the
            // end, as the toolkit reads it.
            qsizetype end = i + 1;
            while (end < pattern.size()) {
                if (pattern[end] == QLatin1Char('\'')) {
                    if (end + 1 < pattern.size() && pattern[end + 1] == QLatin1Char('\'')) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
            appendLiteral(pattern.mid(i, end - i));
            i = end;
        } else {
            appendLiteral(QString(c));
            ++i;
        }
    }
    return runs;
}

QString JoinRuns(const std::vector<TPatternRun>& runs)
{
    QString pattern;
    for (const TPatternRun& run : runs)
        pattern += run.Text;
    return pattern;
}

bool HasField(const std::vector<TPatternRun>& runs, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to && i < runs.size(); ++i) {
        if (runs[i].Field)
            return true;
    }
    return false;
}

const QString FallbackDayMonth = QStringLiteral("MM-dd");

} // namespace

TLocaleDateFormat::TLocaleDateFormat(const QLocale& locale)
    : m_locale(locale), m_datePattern(WidenYear(locale.dateFormat(QLocale::ShortFormat))),
      m_dayMonthPattern(WithoutYear(m_datePattern))
{
}

QString TLocaleDateFormat::WidenYear(const QString& pattern)
{
    std::vector<TPatternRun> runs = SplitPattern(pattern);
    for (TPatternRun& run : runs) {
        // "y" alone is no field for the toolkit; "yy" and "yyy" both print two digits.
        if (run.IsYear() && run.Text.size() >= 2 && run.Text.size() < 4)
            run.Text = QStringLiteral("yyyy");
    }
    return JoinRuns(runs);
}

QString TLocaleDateFormat::WithoutYear(const QString& pattern)
{
    std::vector<TPatternRun> runs = SplitPattern(pattern);
    for (std::size_t i = 0; i < runs.size();) {
        if (!runs[i].IsYear() || runs[i].Text.size() < 2) {
            ++i;
            continue;
        }
        // The separator that belongs to the year goes with it: the one after a leading year ("yyyy-MM-dd"), the one
        // before a trailing year ("dd.MM.yyyy"), and a trailing year's own suffix as well ("d.MM.yyyy 'r.'").
        std::size_t first = i;
        std::size_t last = i + 1;
        if (HasField(runs, i + 1, runs.size())) {
            if (last < runs.size() && !runs[last].Field)
                ++last;
        } else {
            if (first > 0 && !runs[first - 1].Field && HasField(runs, 0, first - 1))
                --first;
            if (last < runs.size() && !runs[last].Field)
                ++last;
        }
        runs.erase(runs.begin() + static_cast<std::ptrdiff_t>(first), runs.begin() + static_cast<std::ptrdiff_t>(last));
        i = first;
    }
    if (!HasField(runs, 0, runs.size()))
        return FallbackDayMonth;
    return JoinRuns(runs);
}

std::string TLocaleDateFormat::FormatDate(const Calendar::CivilDate& date) const
{
    const QDate day(date.Year, static_cast<int>(date.Month), static_cast<int>(date.Day));
    if (!day.isValid()) {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", date.Year, date.Month % 100, date.Day % 100);
        return text;
    }
    return m_locale.toString(day, m_datePattern).toStdString();
}

std::string TLocaleDateFormat::FormatDayMonth(unsigned month, unsigned day) const
{
    // A leap year, so that 29 February has a date to stand on.
    const QDate date(2000, static_cast<int>(month), static_cast<int>(day));
    if (month > 12 || day > 31 || !date.isValid()) {
        char text[16];
        std::snprintf(text, sizeof text, "--%02u-%02u", month % 100, day % 100);
        return text;
    }
    return m_locale.toString(date, m_dayMonthPattern).toStdString();
}
