#pragma once

#include "IConfigFileLayer.h"

#include <cstdint>
#include <string>

// The four user options and their 32-byte file (little-endian, signature 0x1234 at offset 4).
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

    // Fills the four options from the file, or throws a TExError and leaves them as they were.
    void Load(const std::string& fileName);
    // Writes the image of the four options over the start of an existing file, or throws a TExError.
    void Save(const std::string& fileName);

private:
    const IConfigFileLayer* m_files;
};
