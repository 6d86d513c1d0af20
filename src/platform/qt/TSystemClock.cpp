#include "TSystemClock.h"

#include "Calendar.h"

#include <QDate>

TDate TSystemClock::Today() const
{
    const QDate today = QDate::currentDate();
    const Calendar::CivilDate civil{today.year(), static_cast<unsigned>(today.month()),
                                    static_cast<unsigned>(today.day())};
    return static_cast<TDate>(Calendar::DayFromCivil(civil));
}
