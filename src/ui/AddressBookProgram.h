#pragma once

#include "ILauncher.h"
#include "StoreList.h"

#include <functional>
#include <vector>

// "Show Address Book": starts the program that shows the store which gave the most contacts at the last check
// (GNOME Contacts or Evolution for Evolution's books, Thunderbird for its own, KAddressBook for KDE's folders, the
// file manager for any other vCard folder). Without such a store, or when its program is missing, the first
// installed contact manager, else the desktop's contacts folder. `cannotRun` is called once when nothing started.
void ShowAddressBook(ILauncher& launcher, const std::vector<TStoreInfo>& stores, std::function<void()> cannotRun);
