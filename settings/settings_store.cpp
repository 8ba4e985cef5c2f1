#include "settings/settings_store.h"

#include <algorithm>

namespace lectavo {
namespace {

constexpr int kTextBufferUnits = kTextBytes / sizeof(WChar);
static_assert(sizeof(std::uint32_t) == kDwordBytes);

}  // namespace

template <typename Use>
int SettingsStore::WithKey(KeyAccess access, Use use) {
  Handle key = kNoHandle;
  const bool opened = access == KeyAccess::kRead
                          ? registry_.OpenKey(kSettingsKey, kKeyQueryValue, &key)
                          : registry_.CreateKey(kSettingsKey, kKeyWrite, &key);
  if (!opened) return 1;
  const bool done = use(key);
  registry_.CloseKey(key);
  return done ? 0 : 1;
}

bool SettingsStore::ReadDword(Handle key, WStringView name, std::uint32_t& field) {
  // The stored type is not examined; a shorter value fills the low bytes.
  std::uint32_t value = 0;
  std::uint32_t type = 0;
  std::uint32_t size = sizeof value;
  if (!registry_.QueryValue(key, name, &type, &value, &size)) return false;
  field = value;
  return true;
}

template <int N>
bool SettingsStore::ReadText(Handle key, WStringView name, WChar (&field)[N]) {
  static_assert(N > kMaxTextLength);
  WChar buffer[kTextBufferUnits] = {};
  std::uint32_t type = 0;
  std::uint32_t size = sizeof buffer;
  if (!registry_.QueryValue(key, name, &type, buffer, &size)) return false;
  // A value may lack its terminator or end in half a character: take the whole characters
  // up to the first zero, and refuse a text that leaves no room for the terminator.
  const WChar* begin = buffer;
  const WChar* end = std::find(begin, begin + size / sizeof(WChar), u'\0');
  const auto length = end - begin;
  if (length > kMaxTextLength) return false;
  std::copy(begin, end, field);
  field[length] = u'\0';
  return true;
}

bool SettingsStore::WriteDword(Handle key, WStringView name, std::uint32_t value) {
  return registry_.SetValue(key, name, kRegDword, &value, sizeof value);
}

template <int N>
bool SettingsStore::WriteText(Handle key, WStringView name, const WChar (&field)[N]) {
  WChar buffer[N] = {};
  const WChar* end = std::find(field, field + N - 1, u'\0');
  std::copy(field, end, buffer);
  const auto bytes = static_cast<std::uint32_t>((end - field + 1) * sizeof(WChar));
  return registry_.SetValue(key, name, kRegSz, buffer, bytes);
}

template <typename Record>
bool SettingsStore::ReadCommon(Handle key, Record& record) {
  return ReadDword(key, kValSpeak, record.ValSpeak) &&
         ReadDword(key, kValUsedLang, record.ValUsedLang) &&
         ReadText(key, kStrAccounts, record.StrAccounts);
}

int SettingsStore::LoadSettings(SettingsRecord& record) {
  return WithKey(KeyAccess::kRead, [&](Handle key) {
    if (!ReadCommon(key, record) || !ReadDword(key, kValWaitStart, record.ValWaitStart)) {
      return false;
    }
    if (!ReadDword(key, kValAnswerTime, record.ValAnswerTime)) {
      record.ValAnswerTime = kAnswerTimeValue.standard;
    }
    if (!ReadText(key, kStrAddressCC, record.StrAddressCC)) record.StrAddressCC[0] = u'\0';
    return true;
  });
}

int SettingsStore::LoadLangPath(SettingsRecord& record) {
  return WithKey(KeyAccess::kRead,
                 [&](Handle key) { return ReadText(key, kStrLangPath, record.StrLangPath); });
}

int SettingsStore::SaveSettings(const SettingsRecord& record) {
  return WithKey(KeyAccess::kWrite, [&](Handle key) {
    return WriteDword(key, kValSpeak, record.ValSpeak) &&
           WriteDword(key, kValUsedLang, record.ValUsedLang) &&
           WriteText(key, kStrAccounts, record.StrAccounts) &&
           WriteDword(key, kValWaitStart, record.ValWaitStart) &&
           WriteText(key, kStrAddressCC, record.StrAddressCC) &&
           WriteDword(key, kValAnswerTime, record.ValAnswerTime);
  });
}

int SettingsStore::SaveLangPath(const SettingsRecord& record) {
  return WithKey(KeyAccess::kWrite,
                 [&](Handle key) { return WriteText(key, kStrLangPath, record.StrLangPath); });
}

int SettingsStore::SaveAlive(const SettingsRecord& record) {
  return WithKey(KeyAccess::kWrite,
                 [&](Handle key) { return WriteDword(key, kValAlive, record.ValAlive); });
}

int SettingsStore::LoadAlive(LauncherSettings& record) {
  return WithKey(KeyAccess::kRead,
                 [&](Handle key) { return ReadDword(key, kValAlive, record.ValAlive); });
}

int SettingsStore::LoadTodaySettings(TodaySettings& record) {
  return WithKey(KeyAccess::kRead, [&](Handle key) { return ReadCommon(key, record); });
}

int SettingsStore::LoadLauncherSettings(LauncherSettings& record) {
  return WithKey(KeyAccess::kRead, [&](Handle key) {
    return ReadCommon(key, record) && ReadDword(key, kValWaitStart, record.ValWaitStart);
  });
}

int SettingsStore::LoadDword(WStringView name, std::uint32_t& value) {
  return WithKey(KeyAccess::kRead, [&](Handle key) { return ReadDword(key, name, value); });
}

int SettingsStore::LoadText(WStringView name, WChar (&text)[kMaxTextLength + 1]) {
  return WithKey(KeyAccess::kRead, [&](Handle key) { return ReadText(key, name, text); });
}

}  // namespace lectavo
