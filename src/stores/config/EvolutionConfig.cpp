#include "EvolutionConfig.h"

#include "TKeyFile.h"

namespace Stores {

TEvolutionSource ParseEvolutionSource(std::string_view text)
{
    const TKeyFile source(text);
    TEvolutionSource result;
    result.IsAddressBook = source.HasGroup("Address Book");
    const std::string enabled = source.Value("Data Source", "Enabled").value_or("true");
    result.Enabled = enabled != "false" && enabled != "0";
    result.IsLocal = source.Value("Address Book", "BackendName").value_or("") == "local";
    return result;
}

} // namespace Stores
