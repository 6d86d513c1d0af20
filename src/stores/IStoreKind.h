#pragma once

#include "TStoreEnvironment.h"
#include "TStoreRun.h"
#include "TVCard.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Stores {

// One store: a folder, a file or a database that one kind reads as a whole.
struct TStoreLocation
{
    std::string Kind; // as `nelvora-report --sources` shows it: "vcard-folder", "vcard-file", "evolution", ...
    std::filesystem::path Path;
    // "kde" when one of KDE's folder or file resources names it, so KAddressBook shows it; else empty.
    std::string Owner = {};
    // How the store list names it when not by its path (an online book: its URL); also what leaving it out
    // matches. Empty: the path.
    std::string Shown = {};
    // The status shown instead of "ok" when it was read (a cache whose last sync failed: "stale, ..."); empty: ok.
    std::string Note = {};

    const std::string& ShownName() const { return Shown.empty() ? Path.native() : Shown; }
};

// One kind of contact store (vCard folders, Evolution's databases, ...). Every kind is listed once in
// StoreKinds.cpp; the order of that list is the order in which stores are read, and so which copy of a contact
// wins. A kind keeps no state between calls.
class IStoreKind
{
public:
    virtual ~IStoreKind() = default;

    // Appends this kind's stores on this machine, in reading order. Only stores that exist; a missing one is no
    // error. Looks only: nothing is opened for writing or created.
    virtual void Find(const TStoreEnvironment& environment, std::vector<TStoreLocation>& found) const = 0;

    // A path the user named (`--contacts`): the store kind shown for it when it is one of this kind's stores,
    // judged by its content, not its name. `head` holds the file's first bytes (up to 100), empty for a folder or
    // a file that could not be read.
    virtual std::optional<std::string> Recognise(const std::filesystem::path& path, std::string_view head) const = 0;

    // Appends the cards of one store, in the store's own order. Returns the empty string when the store was read,
    // else why it was skipped (a short text, "no permission"); the caller then drops whatever was appended.
    // Never throws for bad content and never blocks on a device or a FIFO.
    virtual std::string Read(const TStoreLocation& store, TStoreRun& run, std::vector<VCard::TVCard>& cards) const = 0;
};

} // namespace Stores
