#include "tests/wine/support/settings_record.h"

#include "tests/wine/support/device.h"

namespace lectavo::device {

bool PutStartSettings(DWORD speak, DWORD waitStartSeconds) {
  return WriteDword(kSettingsKey, L"ValSpeak", speak) &&
         WriteDword(kSettingsKey, L"ValUsedLang", 1) &&
         WriteText(kSettingsKey, L"StrAccounts", L"") &&
         WriteDword(kSettingsKey, L"ValWaitStart", waitStartSeconds);
}

bool PutInstallRecord(DWORD speak, const std::wstring& langPath) {
  return PutStartSettings(speak, 10) && WriteText(kSettingsKey, L"StrAddressCC", L"") &&
         WriteDword(kSettingsKey, L"ValAnswerTime", 3) &&
         (langPath.empty() || WriteText(kSettingsKey, L"StrLangPath", langPath));
}

void RemoveSettings() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }

}  // namespace lectavo::device
