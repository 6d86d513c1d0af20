// Feeds arbitrary file contents to TConfig::Load. It must not crash, and it must either set all four options to
// what the first 32 bytes say or leave all four as they were.

#include "IConfigFileLayer.h"
#include "TConfig.h"
#include "TExError.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

class TMemoryFiles final : public IConfigFileLayer
{
public:
    mutable std::vector<unsigned char> Content;

    std::unique_ptr<IConfigFile> OpenExisting(const std::string&, Access) const override
    {
        return std::make_unique<TMemoryFile>(Content);
    }

private:
    class TMemoryFile final : public IConfigFile
    {
    public:
        explicit TMemoryFile(std::vector<unsigned char>& content) : m_content(content) {}
        std::size_t ReadFromStart(unsigned char* buffer, std::size_t size) override
        {
            const std::size_t count = std::min(size, m_content.size());
            std::copy_n(m_content.begin(), count, buffer);
            return count;
        }
        std::size_t WriteAtStart(const unsigned char* buffer, std::size_t size) override
        {
            if (m_content.size() < size)
                m_content.resize(size);
            std::copy_n(buffer, size, m_content.begin());
            return size;
        }

    private:
        std::vector<unsigned char>& m_content;
    };
};

std::int32_t Field(const unsigned char* image, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(image[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryFiles files;
    files.Content.assign(data, data + size);

    TConfig config(files);
    config.RunMode = 2;
    config.CheckForwardDays = 15;
    config.AutoCloseMinutes = 1;
    config.AlwaysOnTop = 0;

    unsigned char image[TConfig::FileSize] = {};
    std::copy_n(data, std::min(size, sizeof image), image);

    bool loaded = true;
    try {
        config.Load("Nelvora.cfg");
    } catch (const TExError& error) {
        loaded = false;
        if (std::strlen(error.Log) >= TExError::LogSize)
            std::abort();
    }

    if (loaded != (Field(image, 4) == 0x1234))
        std::abort();
    if (!loaded) {
        if (config.RunMode != 2 || config.CheckForwardDays != 15 || config.AutoCloseMinutes != 1 ||
            config.AlwaysOnTop != 0)
            std::abort();
        return 0;
    }
    if (config.RunMode != static_cast<std::int8_t>(image[8]) || config.CheckForwardDays != Field(image, 12) ||
        config.AutoCloseMinutes != Field(image, 16) || config.AlwaysOnTop != Field(image, 20))
        std::abort();

    // Saving what was loaded rewrites only the image: the tail stays, and the options survive a reload.
    const std::vector<unsigned char> before = files.Content;
    config.Save("Nelvora.cfg");
    if (files.Content.size() != std::max(before.size(), sizeof image) ||
        (before.size() > sizeof image &&
         !std::equal(before.begin() + sizeof image, before.end(), files.Content.begin() + sizeof image)))
        std::abort();
    TConfig reloaded(files);
    reloaded.Load("Nelvora.cfg");
    if (reloaded.RunMode != config.RunMode || reloaded.CheckForwardDays != config.CheckForwardDays ||
        reloaded.AutoCloseMinutes != config.AutoCloseMinutes || reloaded.AlwaysOnTop != config.AlwaysOnTop)
        std::abort();
    return 0;
}
