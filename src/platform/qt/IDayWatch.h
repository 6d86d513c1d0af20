#pragma once

#include <functional>

// Tells when a new day may have begun: at local midnight, after the machine wakes from sleep, and when the clock or
// the time zone is changed, and at the time of day the user chose for the day's check. Whether the day really changed
// is for the caller to find out.
class IDayWatch
{
public:
    virtual ~IDayWatch() = default;
    virtual void Start(std::function<void()> maybeNewDay) = 0;
    virtual void Stop() = 0;
    // The time of day the user chose for the new day's check, in minutes after midnight (0: the day change): the
    // watch also rings then.
    virtual void SetTimeOfDay(int minutes) = 0;
};
