#pragma once

#include <sys/types.h>

#include <set>
#include <string>
#include <utility>

namespace Stores {

// How the status of a store read without some of its files begins.
inline constexpr const char* PartlyReadPrefix = "partly read";

// What one reading of all stores shares between them: the files already read, so that a folder or file reached
// through two stores (a link, a KDE resource naming the XDG folder) is read once.
class TStoreRun final
{
public:
    // True the first time a file (device and inode) is offered in this run.
    bool FirstVisit(dev_t device, ino_t inode) { return m_visited.insert({device, inode}).second; }

    // Set by a kind whose store was read without some of its files ("partly read, 2 files cannot be read (no
    // permission)"); the reading of all stores takes it as the store's status and clears it for the next store.
    std::string Partly;

private:
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

} // namespace Stores
