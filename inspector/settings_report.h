// The settings record decoded for a person: every value by name, with missing and
// out-of-range values marked.
#pragma once

#include <vector>

#include "platform/code_page.h"
#include "settings/settings_store.h"

namespace lectavo {

std::vector<WString> DescribeSettings(SettingsStore& store, CodePage& codePage);

}  // namespace lectavo
