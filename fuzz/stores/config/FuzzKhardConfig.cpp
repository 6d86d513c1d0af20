// Feeds arbitrary bytes to the khard configuration reader. It must not crash, and every book it gives must have
// a name and a path usable as one.

#include "FuzzConfigReaders.h"
#include "config/KhardConfig.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (const auto& book : Stores::ParseKhardConfig(std::string_view(reinterpret_cast<const char*>(data), size))) {
        if (book.Name.empty() || book.Path.empty())
            std::abort();
        CheckConfigValue(book.Path);
    }
    return 0;
}
