#pragma once

#include "ILauncher.h"

#include <functional>

// Starts the first installed of the desktop's contact managers; without one, opens the folder the contacts are read
// from. `cannotRun` is called when neither works.
void ShowAddressBook(ILauncher& launcher, const std::function<void()>& cannotRun);
