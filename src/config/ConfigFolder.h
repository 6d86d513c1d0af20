#pragma once

#include <functional>
#include <string>
#include <string_view>

// One environment variable's value, or null when it is not set.
using TEnvironmentLookup = std::function<const char*(const char* name)>;

// The program's configuration folder, where the launcher keeps "Nelvora.cfg" and "excluded-stores" and starts the
// window: $XDG_CONFIG_HOME/nelvora, else ~/.config/nelvora. As the base directory rules say, an XDG_CONFIG_HOME that
// is empty or relative is ignored. The home folder is $HOME, else the user's entry in the password database; the
// result is empty when neither names one.
std::string ConfigFolder(const TEnvironmentLookup& lookup);

// The same for the process's own environment.
std::string ConfigFolder();

// `name` inside `folder`; an empty folder is the working folder.
std::string ConfigFilePath(const std::string& folder, std::string_view name);
