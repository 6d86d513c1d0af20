#pragma once

#include "IStoreKind.h"

#include <span>

namespace Stores {

// Every kind of store, in reading order: the first store holding a contact gives its row.
std::span<const IStoreKind* const> StoreKinds();

} // namespace Stores
