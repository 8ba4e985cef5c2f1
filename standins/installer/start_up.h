// The device's start-up entries (HKLM\Init "LaunchNN": a program's path), which the device runs
// when it starts; after an installation the installer runs a package's own entries again, as
// the handheld does when an installation ends.
#pragma once

#include <vector>

#include "standins/installer/package_description.h"

namespace installer {

// Starts the program that each start-up entry of the package names now in the registry; an
// entry that is no longer there is passed over. Returns how many could not be started.
int RunStartUpEntries(const std::vector<RegistryEntry>& packageEntries);

}  // namespace installer
