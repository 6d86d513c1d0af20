#pragma once

#include <optional>
#include <string>

// Read access to the system registry's HKEY_LOCAL_MACHINE root.
class IRegistry
{
public:
    virtual ~IRegistry() = default;

    // The unnamed default value of HKEY_LOCAL_MACHINE\<subKey> ("Software\Vendor\Key"). No value when the key
    // does not exist or has no default value.
    virtual std::optional<std::string> ReadDefaultValue(const std::string& subKey) const = 0;
};
