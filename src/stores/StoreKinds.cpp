#include "StoreKinds.h"

#include "TCardDavStoreKind.h"
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
    // Last: a copy the user keeps on the desktop is the one they edit, so its row wins over the server's mirror.
    static const TCardDavStoreKind carddav;
    static const std::array<const IStoreKind*, 4> kinds{
        &vcard,
        &evolution,
        &thunderbird,
        &carddav,
    };
    return kinds;
}

} // namespace Stores
