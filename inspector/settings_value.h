// One value of the settings record by name, alone, for scripts: a DWORD or a field of one as
// its number in decimal (a halved field by its shown name as the Speak page shows it), a text
// as stored.
#pragma once

#include "settings/settings_store.h"

namespace lectavo {

struct ValueOutcome {
  bool found;
  WString text;  // the value, or why there is none
};

ValueOutcome ReadSetting(SettingsStore& store, WStringView name);

}  // namespace lectavo
