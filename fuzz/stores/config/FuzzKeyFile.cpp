// Feeds arbitrary bytes to the key-file reader (Evolution's .source files, KDE's resource rc files). It must not
// crash, and what it gives back must be usable as a path.

#include "FuzzConfigReaders.h"
#include "config/EvolutionConfig.h"
#include "config/TKeyFile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Stores::TKeyFile file(text);
    for (const auto& [group, key] : {std::pair{"General", "Path"}, std::pair{"Data Source", "Enabled"},
                                     std::pair{"Address Book", "BackendName"}}) {
        if (const auto value = file.Value(group, key))
            CheckConfigValue(*value);
        else if (file.HasGroup(group) && file.Value(group, key))
            std::abort();
    }
    // An Evolution source is read through the same key file: both must agree on what it is.
    if (Stores::ParseEvolutionSource(text).IsAddressBook != file.HasGroup("Address Book"))
        std::abort();
    return 0;
}
