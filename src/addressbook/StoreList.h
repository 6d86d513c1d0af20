#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One contact store as the module reported it after a reading.
struct TStoreInfo
{
    std::string Kind; // "vcard-folder", "vcard-file", "evolution", "thunderbird", ...
    std::string Path;
    std::size_t Contacts = 0; // cards read from it, before one person in several stores became one
    std::string Status;       // "ok", "stale, ..." (read from a cache that its last sync could not renew),
                              // "partly read, ..." (some files could not be read), "excluded", or why it
                              // could not be read
    std::string Owner;        // "kde" for a folder that KAddressBook shows, else empty

    bool WasRead() const { return Status == "ok" || IsStale() || IsPartlyRead(); }
    bool IsStale() const { return Status.starts_with("stale"); }
    // Read without some of its files: "partly read, 2 files cannot be read (no permission)".
    bool IsPartlyRead() const { return Status.starts_with("partly read"); }
    bool IsExcluded() const { return Status == "excluded"; }
};

// The module's store list: one store a line, tab-separated kind, path, contacts, status and owner. Lines with fewer
// than four fields are left out; further fields are ignored.
std::vector<TStoreInfo> ParseStoreList(std::string_view text);

// The lines of `nelvora-report --sources`: kind, path, contacts and status, tab-separated.
std::string SourcesText(const std::vector<TStoreInfo>& stores);

// The store that gave the most contacts (the first of equals); null when none was read.
const TStoreInfo* LargestStore(const std::vector<TStoreInfo>& stores);

// How many stores were read (excluded and unreadable ones do not count).
std::size_t ReadStoreCount(const std::vector<TStoreInfo>& stores);
