#include "tests/wine/support/settings_record.h"

#include "tests/wine/support/device.h"

namespace lectavo::device {
namespace {

std::wstring Api(WStringView text) { return {text.begin(), text.end()}; }

}  // namespace

bool PutStartSettings(DWORD speak, DWORD waitStartSeconds) {
  return WriteDword(kSettingsKey, L"ValSpeak", speak) &&
         WriteDword(kSettingsKey, L"ValUsedLang", 1) &&
         WriteText(kSettingsKey, L"StrAccounts", L"") &&
         WriteDword(kSettingsKey, L"ValWaitStart", waitStartSeconds);
}

bool PutRecord(const fake::RecordValues& values) {
  return WriteDword(kSettingsKey, L"ValSpeak", values.speak) &&
         WriteDword(kSettingsKey, L"ValUsedLang", values.usedLang) &&
         WriteText(kSettingsKey, L"StrAccounts", Api(values.accounts)) &&
         WriteDword(kSettingsKey, L"ValWaitStart", values.waitStart) &&
         WriteDword(kSettingsKey, L"ValAnswerTime", values.answerTime) &&
         WriteText(kSettingsKey, L"StrAddressCC", Api(values.addressCC)) &&
         WriteText(kSettingsKey, L"StrLangPath", Api(values.langPath)) &&
         WriteDword(kSettingsKey, L"ValAlive", values.alive);
}

bool PutInstallRecord(DWORD speak, const std::wstring& langPath) {
  const WString path(langPath.begin(), langPath.end());
  if (!PutRecord(fake::InstallRecord(speak, path))) return false;
  if (langPath.empty()) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), L"StrLangPath");
  }
  return true;
}

void RemoveSettings() { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kVendorKey.c_str()); }

}  // namespace lectavo::device
