#pragma once

#include "TVCard.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace VCard {

// Where desktop contact managers and CardDAV sync tools keep vCards: $XDG_DATA_HOME/contacts, else
// ~/.local/share/contacts. Only a name: nothing is created.
std::filesystem::path DefaultContactsFolder();

// Whether a file name ends in .vcf or .vcard, in any case, after at least one other character.
bool HasVCardExtension(std::string_view path);

// The files to read, root by root in the given order: a folder gives every *.vcf and *.vcard below it (recursively,
// symbolic links followed, each folder entered once so that loops end), sorted by path; a file is taken as it is,
// whatever its name; a path that does not exist gives nothing. A file reached twice (through a link) is read once.
std::vector<std::filesystem::path> CollectVCardFiles(const std::vector<std::filesystem::path>& roots);

// Reads a regular file read-only into `bytes`. False (and `bytes` empty) when it cannot be opened or read, is no
// regular file, or is too large to be an address book.
bool ReadVCardFile(const std::filesystem::path& path, std::string& bytes);

// Reads the cards of one file into `cards`; false, with `cards` as it was and errno saying why (EFBIG: too large,
// EINVAL: no regular file), when the file cannot be read to its end (the same files ReadVCardFile fails on).
// `buffer` is working space that callers reuse from file to file.
bool LoadVCardFile(const std::filesystem::path& path, std::string& buffer, std::vector<TVCard>& cards);

// Every card of every collected file, in order. Files that cannot be read are skipped. Cards whose UID was seen
// before (a contact exported to two files) are dropped: the first in path order is kept.
std::vector<TVCard> LoadVCards(const std::vector<std::filesystem::path>& roots);

} // namespace VCard
