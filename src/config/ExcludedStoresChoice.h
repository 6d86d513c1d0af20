#pragma once

#include <string>
#include <vector>

// Keeps the user's choice of left-out address books in `fileName` ("Save Changes"). Nothing left out and no list
// yet writes no file: a choice never made leaves no trace in the options folder. Throws TExError as
// TExcludedStores::Save does; the old list then stays as it was.
void SaveExcludedChoice(const std::vector<std::string>& paths, const std::string& fileName);
