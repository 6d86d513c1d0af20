#pragma once

#include "IStoreKind.h"

namespace Stores {

// vCard folders and files: the desktop's contacts folder, KDE's folder and file resources, vdirsyncer's and
// khard's address books. Shown as "vcard-folder" or "vcard-file".
class TVCardStoreKind final : public IStoreKind
{
public:
    void Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const override;
    std::optional<std::string> Recognise(const std::filesystem::path& path, std::string_view head) const override;
    std::string Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const override;
};

} // namespace Stores
