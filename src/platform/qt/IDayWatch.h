#pragma once

#include <functional>

// Tells when a new day may have begun: at local midnight, after the machine wakes from sleep, and when the clock or
// the time zone is changed. Whether the day really changed is for the caller to find out.
class IDayWatch
{
public:
    virtual ~IDayWatch() = default;
    virtual void Start(std::function<void()> maybeNewDay) = 0;
    virtual void Stop() = 0;
};
