#include "StoreKinds.h"

#include "TEvolutionStoreKind.h"
#include "TThunderbirdStoreKind.h"
#include "TVCardStoreKind.h"

#include <array>

namespace Stores {

std::span<const IStoreKind* const> StoreKinds()
{
    // Kinds keep no state, so one object of each serves every reading.
    static const TVCardStoreKind vcard;
    static const TEvolutionStoreKind evolution;
    static const TThunderbirdStoreKind thunderbird;
    static const std::array<const IStoreKind*, 3> kinds{
        &vcard,
        &evolution,
        &thunderbird,
    };
    return kinds;
}

} // namespace Stores
