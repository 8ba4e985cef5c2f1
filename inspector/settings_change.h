// Changes one value of the settings record by name, through the store the programs use:
// the record is loaded, the one value changed, and the whole set saved again.
#pragma once

#include <vector>

#include "settings/settings_store.h"

namespace lectavo {

struct ChangeOutcome {
  bool done;
  WString message;
};

// name: a registry value (ValSpeak, StrAccounts...) or a field of one (FlagReadOn, SpeedHalf
// or Speed, LangNumber...). values: one number (decimal or 0x hex) or text; StrAccounts takes
// any number of account names, each stored with its closing TAB. A halved field outside the
// Speak page's range is refused unless raw.
ChangeOutcome ChangeSetting(SettingsStore& store, WStringView name,
                            const std::vector<WString>& values, bool raw = false);

}  // namespace lectavo
