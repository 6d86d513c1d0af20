// libFuzzer target for the reader of the servers' answers. Besides crashes and sanitizer reports it checks what the
// sync relies on: status numbers are three-digit codes or 0, a member's href is trimmed, and reading the same bytes
// twice gives the same members (no state kept between readings).

#include "DavXml.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool ValidStatus(int status)
{
    return status == 0 || (status >= 100 && status <= 999);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto first = CardDav::ParseMultiStatus(bytes, &error);
    Check(first.has_value() == error.isEmpty());
    if (first) {
        for (const auto& response : first->Responses) {
            Check(ValidStatus(response.Status));
            Check(response.Href == response.Href.trimmed());
            Check(response.HasAddressData || response.AddressData.isEmpty());
            Check(response.HasETag || response.ETag.isEmpty());
        }
        const auto second = CardDav::ParseMultiStatus(bytes);
        Check(second && second->Responses.size() == first->Responses.size() && second->SyncToken == first->SyncToken);
        for (std::size_t i = 0; i < first->Responses.size(); ++i) {
            const auto& a = first->Responses[i];
            const auto& b = second->Responses[i];
            Check(a.Href == b.Href && a.Status == b.Status && a.ETag == b.ETag && a.AddressData == b.AddressData);
        }
    }
    for (const QString& condition : CardDav::ParseDavErrorConditions(bytes))
        Check(!condition.isEmpty());
    Check(ValidStatus(CardDav::ParseStatusLine(QString::fromUtf8(bytes.first(std::min<qsizetype>(bytes.size(), 64))))));
    return 0;
}
