#pragma once

#include "IConfigFileLayer.h"

#include <cstdint>
#include <string>

// The user options and their 32-byte file (little-endian, signature 0x1234 at offset 4).
class TConfig final
{
public:
    static constexpr std::size_t FileSize = 32;
    static constexpr std::uint32_t ConfigSignature = 0x1234;

    // Uses the real file system.
    TConfig();
    // Uses `files`, which must outlive this object.
    explicit TConfig(const IConfigFileLayer& files);

    std::int8_t RunMode = 0;
    std::int32_t CheckForwardDays = 0;
    std::int32_t AutoCloseMinutes = 0;
    std::int32_t AlwaysOnTop = 0;
    // How a check that finds something reaches the user. Files written before the option existed hold 0 there,
    // so 0 must keep meaning what those users had, plus the notification.
    std::int32_t RemindWith = 0;

    enum : std::int32_t {
        RemindWindowAndNotification = 0,
        RemindWindowOnly = 1,
        RemindNotificationOnly = 2,
    };
    // The stored value as the program acts on it: anything unknown acts as the default.
    std::int32_t RemindWithMode() const
    {
        return RemindWith == RemindWindowOnly || RemindWith == RemindNotificationOnly ? RemindWith
                                                                                      : RemindWindowAndNotification;
    }

    // The time of day of the new day's check, in minutes after midnight. Files written before the option existed
    // hold 0 there, or end before it: 0 keeps meaning "at the day change".
    std::int32_t RemindAt = 0;
    static constexpr std::int32_t MinutesPerDay = 24 * 60;
    // The stored value as the program acts on it: anything outside a day acts as 00:00.
    std::int32_t RemindAtMinutes() const { return RemindAt > 0 && RemindAt < MinutesPerDay ? RemindAt : 0; }

    // Fills the options from the file, or throws a TExError and leaves them as they were.
    void Load(const std::string& fileName);
    // Writes the image of the options over the start of an existing file, or throws a TExError.
    void Save(const std::string& fileName);

private:
    const IConfigFileLayer* m_files;
};
