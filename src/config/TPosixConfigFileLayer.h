#pragma once

#include "IConfigFileLayer.h"

// The options file on a Linux file system. The exclusive open is an advisory flock taken without waiting, so a
// second opener (this process or another one that asks the same) is refused instead of blocked.
class TPosixConfigFileLayer final : public IConfigFileLayer
{
public:
    std::unique_ptr<IConfigFile> OpenExisting(const std::string& fileName, Access access) const override;

    // The text of the failure thrown for a file that cannot be opened.
    static std::string CannotOpenText(const std::string& fileName);
};
