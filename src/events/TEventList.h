#pragma once

#include "Records.h"
#include "TAddressBook.h"
#include "TGenList.h"

#include <cstdint>

// How one date falls, and the occurrence that decided it (meaningful unless Due is dueNone).
struct TDueDate
{
    DueCategory Due = dueNone;
    TDate Occurrence = 0;
};

// Classifies one stored date against today and a window of `forwardDays` days. Depends on its inputs only.
TDueDate ClassifyDate(TDate date, TDate today, std::int32_t forwardDays);

// Whether a stored date carries the "year unknown" marker year.
bool IsYearUnknown(TDate date);

// One record per contact with the category and years value of its two dates.
class TEventList : public TGenList<tdstEvent>
{
public:
    ~TEventList() override = default;

    // Replaces the whole list with one record per contact of `contacts`, classified against `today`.
    void Build(const TAddressBook& contacts, TDate today);

    std::int32_t CheckForwardDays = 2;
};
