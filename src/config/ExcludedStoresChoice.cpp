#include "ExcludedStoresChoice.h"

#include "TExcludedStores.h"

#include <sys/stat.h>

void SaveExcludedChoice(const std::vector<std::string>& paths, const std::string& fileName)
{
    // lstat: a link to a list kept elsewhere (a dotfiles folder) is a list, even while its target is missing.
    struct stat status
    {
    };
    if (paths.empty() && ::lstat(fileName.c_str(), &status) != 0)
        return;
    TExcludedStores excluded;
    excluded.Paths = paths;
    excluded.Save(fileName);
}
