// Feeds arbitrary bytes to the vdirsyncer configuration reader. It must not crash, every storage must have a
// name, and its values must be usable as paths.

#include "FuzzConfigReaders.h"
#include "config/VdirsyncerConfig.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& storage : Stores::ParseVdirsyncerConfig(text)) {
        if (storage.Name.empty())
            std::abort();
        CheckConfigValue(storage.Type);
        CheckConfigValue(storage.FileExt);
        CheckConfigValue(storage.Path);
    }
    if (const auto value = Stores::JsonString(text))
        CheckConfigValue(*value);
    return 0;
}
