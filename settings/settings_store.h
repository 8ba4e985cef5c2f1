// Loads and saves the settings under HKEY_LOCAL_MACHINE "SOFTWARE\ORBA-GMBH\Lectavo\".
// Every operation returns 0 on success and 1 on failure; registry errors are not passed on.
#pragma once

#include "platform/registry.h"
#include "settings/settings_record.h"

namespace lectavo {

inline constexpr WChar kSettingsKey[] = u"SOFTWARE\\ORBA-GMBH\\Lectavo\\";

class SettingsStore {
 public:
  explicit SettingsStore(Registry& registry) : registry_(registry) {}

  // ValSpeak, ValUsedLang, StrAccounts, ValWaitStart are required and read in this order;
  // the load stops at the first that fails. A missing ValAnswerTime reads as its default, a
  // missing StrAddressCC as empty.
  int LoadSettings(SettingsRecord& record);
  int LoadLangPath(SettingsRecord& record);
  // Writes ValSpeak, ValUsedLang, StrAccounts, ValWaitStart, StrAddressCC, ValAnswerTime in
  // this order; values written before a failing write stay written.
  int SaveSettings(const SettingsRecord& record);
  int SaveLangPath(const SettingsRecord& record);
  int SaveAlive(const SettingsRecord& record);
  // A failed read leaves ValAlive as it was.
  int LoadAlive(LauncherSettings& record);

  int LoadTodaySettings(TodaySettings& record);
  int LoadLauncherSettings(LauncherSettings& record);

  // One value alone, read the way the loads read it; for inspecting the record.
  int LoadDword(WStringView name, std::uint32_t& value);
  int LoadText(WStringView name, WChar (&text)[kMaxTextLength + 1]);

 private:
  enum class KeyAccess { kRead, kWrite };
  // Opens the settings key (creating it to write), hands it to use and closes it again:
  // 0 when the key opened and use succeeded, else 1.
  template <typename Use>
  int WithKey(KeyAccess access, Use use);
  bool ReadDword(Handle key, WStringView name, std::uint32_t& field);
  template <int N>
  bool ReadText(Handle key, WStringView name, WChar (&field)[N]);
  bool WriteDword(Handle key, WStringView name, std::uint32_t value);
  template <int N>
  bool WriteText(Handle key, WStringView name, const WChar (&field)[N]);
  // The three values the Today item's and the launcher's loads share, in their order.
  template <typename Record>
  bool ReadCommon(Handle key, Record& record);

  Registry& registry_;
};

}  // namespace lectavo
