#include "setup/settings_preparation.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace lectavo {
namespace {

// The folder and its backslash as StrLangPath; false when they exceed a registry text.
bool SetLangPath(SettingsRecord& record, WStringView installationFolder) {
  if (installationFolder.size() + 1 > static_cast<std::size_t>(kMaxTextLength)) return false;
  WChar* end = std::copy(installationFolder.begin(), installationFolder.end(), record.StrLangPath);
  *end++ = u'\\';
  *end = u'\0';
  return true;
}

}  // namespace

void PrepareSettings(Registry& registry, WStringView installationFolder) {
  SettingsStore store(registry);
  SettingsRecord record{};
  if (store.LoadSettings(record) != 0) {
    record.ValSpeak = kDefaultSpeak;
    record.ValUsedLang = kDefaultUsedLang;
    record.ValWaitStart = kDefaultWaitStart;
    record.ValAnswerTime = kDefaultAnswerTime;
    record.StrAddressCC[0] = u'\0';
    store.SaveSettings(record);
  }
  if (SetLangPath(record, installationFolder)) store.SaveLangPath(record);
  record.ValAlive = 0;
  store.SaveAlive(record);
}

}  // namespace lectavo
