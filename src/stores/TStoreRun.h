#pragma once

#include <sys/types.h>

#include <set>
#include <utility>

namespace Stores {

// What one reading of all stores shares between them: the files already read, so that a folder or file reached
// through two stores (a link, a KDE resource naming the XDG folder) is read once.
class TStoreRun final
{
public:
    // True the first time a file (device and inode) is offered in this run.
    bool FirstVisit(dev_t device, ino_t inode) { return m_visited.insert({device, inode}).second; }

private:
    std::set<std::pair<dev_t, ino_t>> m_visited;
};

} // namespace Stores
