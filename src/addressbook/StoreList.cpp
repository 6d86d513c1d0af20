#include "StoreList.h"

#include <charconv>

std::vector<TStoreInfo> ParseStoreList(std::string_view text)
{
    std::vector<TStoreInfo> stores;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        std::vector<std::string_view> fields;
        for (;;) {
            const std::size_t tab = line.find('\t');
            fields.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        if (fields.size() < 4)
            continue;
        TStoreInfo store;
        store.Kind = fields[0];
        store.Path = fields[1];
        const auto [last, error] =
            std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), store.Contacts);
        if (error != std::errc() || last != fields[2].data() + fields[2].size())
            store.Contacts = 0;
        store.Status = fields[3];
        if (fields.size() > 4)
            store.Owner = fields[4];
        stores.push_back(std::move(store));
    }
    return stores;
}

std::string SourcesText(const std::vector<TStoreInfo>& stores)
{
    std::string text;
    for (const TStoreInfo& store : stores)
        text += store.Kind + '\t' + store.Path + '\t' + std::to_string(store.Contacts) + '\t' + store.Status + '\n';
    return text;
}

const TStoreInfo* LargestStore(const std::vector<TStoreInfo>& stores)
{
    const TStoreInfo* largest = nullptr;
    for (const TStoreInfo& store : stores)
        if (store.WasRead() && (largest == nullptr || store.Contacts > largest->Contacts))
            largest = &store;
    return largest;
}

std::size_t ReadStoreCount(const std::vector<TStoreInfo>& stores)
{
    std::size_t count = 0;
    for (const TStoreInfo& store : stores)
        count += store.WasRead() ? 1 : 0;
    return count;
}
