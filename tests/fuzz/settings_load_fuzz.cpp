// The settings loads over a registry whose values, types and byte counts are the fuzzer's:
// no text of a record may end up unterminated or longer than 255 characters, and a load
// succeeds exactly when its required values are readable.
#include <cstdlib>
#include <cstring>

#include "settings/settings_store.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/fake_registry.h"

namespace lectavo {
namespace {

using fuzz::Check;

template <int N>
void CheckTerminated(const WChar (&text)[N]) {
  const WChar* end = std::find(text, text + N, u'\0');
  Check(end != text + N && end - text <= kMaxTextLength);
}

// Whether a value reads the way the loads read it: a DWORD within 4 bytes, a text within
// 512 bytes whose characters before the first zero number at most 255.
bool DwordReadable(const fake::FakeRegistry& registry, WStringView name) {
  auto value = registry.Get(kSettingsKey, name);
  return value && value->bytes.size() <= kDwordBytes;
}

bool TextReadable(const fake::FakeRegistry& registry, WStringView name) {
  auto value = registry.Get(kSettingsKey, name);
  if (!value || value->bytes.size() > kTextBytes) return false;
  std::size_t length = 0;
  const std::size_t units = value->bytes.size() / 2;
  while (length < units && (value->bytes[2 * length] | value->bytes[2 * length + 1]) != 0) ++length;
  return length <= static_cast<std::size_t>(kMaxTextLength);
}

template <typename Record>
void FillWithGarbage(Record& record, FuzzedDataProvider& input) {
  auto bytes = input.ConsumeBytes<std::uint8_t>(sizeof record);
  bytes.resize(sizeof record, 0xA5);
  std::memcpy(static_cast<void*>(&record), bytes.data(), sizeof record);
}

}  // namespace
}  // namespace lectavo

void FuzzOne(FuzzedDataProvider& input) {
  using namespace lectavo;
  fake::FakeRegistry registry;
  if (input.ConsumeBool()) registry.PutKey(kSettingsKey);
  for (const RecordValue& value : kRecordValues) {
    if (!input.ConsumeBool()) continue;
    const auto type = input.ConsumeIntegralInRange<std::uint32_t>(0, 11);
    const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 600);
    registry.PutRaw(kSettingsKey, value.name, type, input.ConsumeBytes<std::uint8_t>(length));
  }
  SettingsStore store(registry);

  SettingsRecord record;
  FillWithGarbage(record, input);
  record.StrAccounts[kMaxTextLength] = record.StrAddressCC[kMaxTextLength] =
      record.StrLangPath[kMaxTextLength] = u'\0';
  const bool required = registry.HasKey(kSettingsKey) && DwordReadable(registry, kValSpeak) &&
                        DwordReadable(registry, kValUsedLang) &&
                        TextReadable(registry, kStrAccounts) &&
                        DwordReadable(registry, kValWaitStart);
  Check((store.LoadSettings(record) == 0) == required);
  Check((store.LoadLangPath(record) == 0) ==
        (registry.HasKey(kSettingsKey) && TextReadable(registry, kStrLangPath)));
  CheckTerminated(record.StrAccounts);
  CheckTerminated(record.StrAddressCC);
  CheckTerminated(record.StrLangPath);

  TodaySettings today;
  FillWithGarbage(today, input);
  today.StrAccounts[kMaxTextLength] = u'\0';
  store.LoadTodaySettings(today);
  CheckTerminated(today.StrAccounts);

  LauncherSettings launcher;
  FillWithGarbage(launcher, input);
  launcher.StrAccounts[kMaxTextLength] = u'\0';
  Check((store.LoadLauncherSettings(launcher) == 0) == required);
  store.LoadAlive(launcher);
  CheckTerminated(launcher.StrAccounts);
  Check(registry.OpenKeys() == 0);
}
