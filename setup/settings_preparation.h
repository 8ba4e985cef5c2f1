// The settings record at install: defaults for a device without a complete record, and where
// the installation folder lies.
#pragma once

#include "platform/registry.h"

namespace lectavo {

// Loads the record; when that fails, saves the install defaults, keeping a loaded
// StrAccounts. Then writes StrLangPath (the installation folder and a backslash) and
// ValAlive 0. A folder too long for StrLangPath leaves that value as it was, for a cut-off
// path would name a folder that does not exist. Write failures are ignored.
void PrepareSettings(Registry& registry, WStringView installationFolder);

}  // namespace lectavo
