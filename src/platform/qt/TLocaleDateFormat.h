#pragma once

#include "TEventReport.h"

#include <QLocale>
#include <QString>

// The user's short date pattern. A two-digit year is widened to four, so that a birth year reads whole and
// 1604 ("year unknown") cannot pass for 2004.
class TLocaleDateFormat final : public IShortDateFormat
{
public:
    explicit TLocaleDateFormat(const QLocale& locale = QLocale::system());

    std::string FormatDate(const Calendar::CivilDate& date) const override;
    std::string FormatDayMonth(unsigned month, unsigned day) const override;

    const QString& DatePattern() const { return m_datePattern; }
    const QString& DayMonthPattern() const { return m_dayMonthPattern; }

    // Pattern rewriting, on the toolkit's date pattern language (d, M, y runs; quoted literal text).
    static QString WidenYear(const QString& pattern);
    static QString WithoutYear(const QString& pattern);

private:
    QLocale m_locale;
    QString m_datePattern;
    QString m_dayMonthPattern;
};
