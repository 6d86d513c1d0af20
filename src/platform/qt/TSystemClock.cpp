#include "TSystemClock.h"

#include "Calendar.h"
#include "TDayWatch.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QTimeZone>

TDate TSystemClock::Today() const
{
    const QDate today = QDate::currentDate();
    const Calendar::CivilDate civil{today.year(), static_cast<unsigned>(today.month()),
                                    static_cast<unsigned>(today.day())};
    return static_cast<TDate>(Calendar::DayFromCivil(civil));
}

int TSystemClock::MinuteOfDay() const
{
    const QTime now = QTime::currentTime();
    return now.hour() * 60 + now.minute();
}

long long TSystemClock::MillisecondsToNextDay() const
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    return NextDayStart(now, QTimeZone::systemTimeZone()) - now;
}
