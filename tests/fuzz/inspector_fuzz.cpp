// The inspector's command line (a value name and its values, as typed) over a registry whose
// values, types and byte counts are the fuzzer's: a refused change leaves the registry as it
// was; a change that is done stores what was asked and nothing else of the record moves; the
// same change twice is the change once; the report reads every value and changes nothing.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "inspector/record_fields.h"
#include "inspector/settings_change.h"
#include "inspector/settings_report.h"
#include "settings/settings_store.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_registry.h"

namespace lectavo {
namespace {

using fake::FakeRegistry;

constexpr const WChar* kNames[] = {kValSpeak,     kValUsedLang,  kStrAccounts, kValWaitStart,
                                   kValAnswerTime, kStrAddressCC, kStrLangPath,  kValAlive};

using fuzz::Check;

using Snapshot = std::vector<std::optional<FakeRegistry::Value>>;

Snapshot Take(const FakeRegistry& registry) {
  Snapshot values{std::nullopt};
  if (registry.HasKey(kSettingsKey)) values[0] = FakeRegistry::Value{};
  for (const WChar* name : kNames) values.push_back(registry.Get(kSettingsKey, name));
  return values;
}

bool Same(const Snapshot& a, const Snapshot& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].has_value() != b[i].has_value()) return false;
    if (a[i] && (a[i]->type != b[i]->type || a[i]->bytes != b[i]->bytes)) return false;
  }
  return true;
}

// The names a person types: the record's own, its fields', and near misses.
WString ConsumeName(FuzzedDataProvider& input) {
  std::vector<WString> names(std::begin(kNames), std::end(kNames));
  for (const HalvedField& f : kHalvedFields) names.insert(names.end(), {f.name, f.shownName});
  for (const NamedField& f : kSpeakFlags) names.emplace_back(f.name);
  for (const NamedField& f : kUsedLangFields) names.emplace_back(f.name);
  names.insert(names.end(), {u"valspeak", u"", u"FlagReadOn ", u"set"});
  const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, names.size());
  if (pick < names.size()) return names[pick];
  std::string bytes = input.ConsumeRandomLengthString(40);
  std::erase(bytes, '\0');
  return WString(bytes.begin(), bytes.end());
}

// Numbers around the limits, signs, hex, and text of any length and character.
WString ConsumeValue(FuzzedDataProvider& input) {
  constexpr const WChar* kSamples[] = {u"0",          u"1",   u"4294967295", u"4294967296",
                                       u"0xFFFFFFFF", u"0x",  u"0X1f",       u"-1",
                                       u"255",        u"256", u"07",         u"1 "};
  const auto pick = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kSamples) + 1);
  if (pick < std::size(kSamples)) return kSamples[pick];
  if (pick == std::size(kSamples)) return WString(input.ConsumeIntegralInRange(250, 260), u'a');
  // A command line holds no zero character.
  WString text;
  for (std::uint8_t byte : input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 12))) {
    if (byte != 0) text += byte < 0x80 ? static_cast<WChar>(byte) : static_cast<WChar>(0x100 + byte);
  }
  return text;
}

// A plain number as the standard library reads it, when the text is one.
std::optional<std::uint32_t> Number(const WString& text) {
  std::string ascii;
  for (WChar c : text) {
    if (c > 0x7F) return std::nullopt;
    ascii += static_cast<char>(c);
  }
  const bool hex = ascii.size() > 2 && ascii[0] == '0' && (ascii[1] == 'x' || ascii[1] == 'X');
  const char* first = ascii.data() + (hex ? 2 : 0);
  const char* last = ascii.data() + ascii.size();
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
  if (first == last || end != last || error != std::errc{} || *first == '-' || *first == '+') {
    return std::nullopt;
  }
  return value;
}

template <int N>
WString Text(const WChar (&text)[N]) {
  return WString(text, std::find(text, text + N, u'\0'));
}

// The record's values other than the one named, and the named one, as stored.
void CheckDone(SettingsStore& store, const SettingsRecord& before, const WString& name,
               const std::vector<WString>& values) {
  if (name == kStrLangPath) {
    SettingsRecord after;
    Check(store.LoadLangPath(after) == 0 && Text(after.StrLangPath) == values.at(0));
    return;
  }
  if (name == kValAlive) {
    LauncherSettings after;
    Check(store.LoadAlive(after) == 0);
    if (auto number = Number(values.at(0))) Check(after.ValAlive == *number);
    return;
  }
  SettingsRecord after;
  Check(store.LoadSettings(after) == 0);
  SettingsRecord expected = before;
  std::copy(std::begin(after.StrLangPath), std::end(after.StrLangPath), expected.StrLangPath);
  expected.ValAlive = after.ValAlive;
  auto number = values.size() == 1 ? Number(values[0]) : std::nullopt;
  const auto take = [&](std::uint32_t SettingsRecord::*value) {
    Check(!number || after.*value == *number);
    expected.*value = after.*value;
  };
  if (name == kStrAccounts) {
    WString joined;
    for (const WString& value : values) joined += value + u'\t';
    Check(Text(after.StrAccounts) == joined);
    std::copy(std::begin(after.StrAccounts), std::end(after.StrAccounts), expected.StrAccounts);
  } else if (name == kStrAddressCC) {
    Check(Text(after.StrAddressCC) == (values.empty() ? WString() : values[0]));
    std::copy(std::begin(after.StrAddressCC), std::end(after.StrAddressCC),
              expected.StrAddressCC);
  } else if (name == kValSpeak) {
    take(&SettingsRecord::ValSpeak);
  } else if (name == kValUsedLang) {
    take(&SettingsRecord::ValUsedLang);
  } else if (name == kValWaitStart) {
    take(&SettingsRecord::ValWaitStart);
  } else if (name == kValAnswerTime) {
    take(&SettingsRecord::ValAnswerTime);
  } else {
    // A field: only its bits move, and they hold the number.
    std::optional<BitField> field;
    std::uint32_t SettingsRecord::*value = &SettingsRecord::ValSpeak;
    for (const HalvedField& f : kHalvedFields) {
      if (name == f.name) field = f.half;
    }
    for (const NamedField& f : kSpeakFlags) {
      if (name == f.name) field = f.field;
    }
    for (const NamedField& f : kUsedLangFields) {
      if (name == f.name) field = f.field, value = &SettingsRecord::ValUsedLang;
    }
    Check(field.has_value());
    if (number) Check(field->Get(after.*value) == *number);
    expected.*value = field->Set(before.*value, field->Get(after.*value));
  }
  Check(std::memcmp(&expected, &after, sizeof after) == 0);
}

}  // namespace
}  // namespace lectavo

void FuzzOne(FuzzedDataProvider& input) {
  using namespace lectavo;
  fake::FakeRegistry registry;
  if (input.ConsumeIntegralInRange(0, 7) != 0) registry.PutKey(kSettingsKey);
  for (const WChar* name : kNames) {
    switch (input.ConsumeIntegralInRange(0, 3)) {
      case 0:
        break;
      case 1:
        registry.PutDword(kSettingsKey, name, input.ConsumeIntegral<std::uint32_t>());
        break;
      case 2:
        registry.PutText(kSettingsKey, name, ConsumeValue(input));
        break;
      default: {
        const auto type = input.ConsumeIntegralInRange<std::uint32_t>(0, 11);
        const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 600);
        registry.PutRaw(kSettingsKey, name, type, input.ConsumeBytes<std::uint8_t>(length));
      }
    }
  }
  SettingsStore store(registry);
  fake::FakeCodePage codePage;

  const Snapshot original = Take(registry);
  const std::vector<WString> report = DescribeSettings(store, codePage);
  Check(Same(Take(registry), original));
  for (const WChar* name : kNames) {
    const WString start = WString(name) + u' ';
    Check(std::count_if(report.begin(), report.end(), [&](const WString& line) {
            return line.starts_with(start);
          }) == 1);
  }

  const WString name = ConsumeName(input);
  std::vector<WString> values(input.ConsumeIntegralInRange(0, 3));
  for (WString& value : values) value = ConsumeValue(input);
  SettingsRecord before;
  const bool loaded = store.LoadSettings(before) == 0;

  const ChangeOutcome first = ChangeSetting(store, name, values);
  Check(!first.message.empty());
  const Snapshot once = Take(registry);
  if (!first.done) {
    Check(Same(once, original));
  } else {
    Check(loaded || name == kStrLangPath || name == kValAlive);
    CheckDone(store, before, name, values);
  }
  const ChangeOutcome second = ChangeSetting(store, name, values);
  Check(second.done == first.done && Same(Take(registry), once));
  Check(registry.OpenKeys() == 0);
}
