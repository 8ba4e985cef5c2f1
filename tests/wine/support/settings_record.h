// The product's settings in the prefix's registry, as the Wine tests put them there.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"
#include "settings/settings_store.h"
#include "tests/support/record_values.h"

namespace lectavo::device {

inline const std::wstring kSettingsKey = ToApi(lectavo::kSettingsKey);
// The key that holds the settings key: removed whole, it leaves no trace of the product.
inline const std::wstring kVendorKey =
    kSettingsKey.substr(0, kSettingsKey.find_last_of(L'\\', kSettingsKey.size() - 2));

// What every program reads at its start: ValSpeak, ValUsedLang 1, an empty StrAccounts and
// ValWaitStart; false when a value could not be written.
bool PutStartSettings(DWORD speak, DWORD waitStartSeconds);
// Every value of the record; false when a value could not be written.
bool PutRecord(const fake::RecordValues& values);
// The whole record as the setup writes it at installation, ValSpeak as given; StrLangPath is
// left out when langPath is empty.
bool PutInstallRecord(DWORD speak, const std::wstring& langPath);
// The whole vendor key, with every setting in it.
void RemoveSettings();

}  // namespace lectavo::device
