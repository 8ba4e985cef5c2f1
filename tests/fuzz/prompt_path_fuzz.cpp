// The toggles' one pass over a record whose StrLangPath is the fuzzer's: any length up to
// what the registry holds and beyond, any characters, odd byte counts, no terminator; every
// build in both dialog languages, with the save and the path load made to fail at the
// fuzzer's choice. A prompt is played only when its path is exactly StrLangPath +
// "VoiceCommand\" + "GER_"/"ENG_" + the build's prompt and fits 259 characters; nothing but
// the build's bit of ValSpeak changes.
#include <cstdlib>
#include <cstring>
#include <optional>

#include "settings/settings_store.h"
#include "tests/fuzz/fuzz_target.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_named_mutexes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_sound.h"
#include "voicecmd/voice_command_app.h"

namespace lectavo {
namespace {

constexpr const ToggleCommand* kCommands[] = {&kVorlesenEin,  &kVorlesenAus, &kNachfrageEin,
                                              &kNachfrageAus, &kAntwortEin,  &kAntwortAus};
constexpr const WChar* kMainValues[] = {kValSpeak,     kValUsedLang,  kStrAccounts,
                                        kValWaitStart, kStrAddressCC, kValAnswerTime};
constexpr const WChar* kAllValues[] = {kValSpeak,     kValUsedLang,   kStrAccounts, kValWaitStart,
                                       kStrAddressCC, kValAnswerTime, kStrLangPath, kValAlive};
// Characters a path may hold, and some it should not.
constexpr WChar kAlphabet[] = {u'\\', u'a', u'Z',  u' ',   u'.',   u':',
                               u'*',  u'?', u'\0', 0x00E4, 0xD800, 0xFFFF};

using fuzz::Check;

std::vector<std::uint8_t> Bytes(WStringView text) {
  std::vector<std::uint8_t> bytes(text.size() * sizeof(WChar));
  if (!bytes.empty()) std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

// StrLangPath as the fuzzer stores it: a text of any length, with or without a terminator,
// perhaps a half character or garbage after it, or simply raw bytes.
std::vector<std::uint8_t> LangPathBytes(FuzzedDataProvider& input) {
  if (input.ConsumeBool()) {
    return input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 600));
  }
  const auto length = input.ConsumeIntegralInRange<std::size_t>(0, 300);
  WString text;
  while (text.size() < length) {
    // Once the input runs dry the path goes on as "xxx\": long paths need no long input.
    const auto pick = input.remaining_bytes() == 0
                          ? (text.size() % 8 == 7 ? 0u : 1u)
                          : input.ConsumeIntegralInRange<unsigned>(0, std::size(kAlphabet) + 3);
    text += pick < std::size(kAlphabet) ? kAlphabet[pick] : u'x';
  }
  if (input.ConsumeBool()) text += u'\0';
  auto bytes = Bytes(text);
  if (input.ConsumeBool()) bytes.push_back(input.ConsumeIntegral<std::uint8_t>());
  return bytes;
}

// What LoadLangPath must make of the stored value: the characters before the first zero of
// a value that fits 512 bytes, when there are at most 255.
std::optional<WString> ReadableLangPath(const fake::FakeRegistry& registry) {
  const auto value = registry.Get(kSettingsKey, kStrLangPath);
  if (!value || value->bytes.size() > 512) return std::nullopt;
  WString text(value->bytes.size() / sizeof(WChar), u'\0');
  if (!text.empty()) std::memcpy(text.data(), value->bytes.data(), text.size() * sizeof(WChar));
  text.resize(std::min(text.find(u'\0'), text.size()));
  if (text.size() > static_cast<std::size_t>(kMaxTextLength)) return std::nullopt;
  return text;
}

// One registry operation made to fail the nth time its argument matches; remembers whether
// it did.
struct Fault {
  bool fired = false;
  int seen = 0;

  void Arm(fake::FakeRegistry& registry, const char* operation, WString argument, int nth) {
    registry.faults.FailWhen(operation, [this, argument, nth](WStringView actual) {
      if (!argument.empty() && actual != argument) return false;
      if (++seen != nth) return false;
      fired = true;
      return true;
    });
  }
};

}  // namespace
}  // namespace lectavo

void FuzzOne(FuzzedDataProvider& input) {
  using namespace lectavo;
  const ToggleCommand& command =
      *kCommands[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kCommands) - 1)];

  fake::FakeRegistry registry;
  // Mostly a complete record, so that the pass gets as far as the prompt.
  const bool complete = input.ConsumeIntegralInRange<int>(0, 7) != 0;
  registry.PutKey(kSettingsKey);
  registry.PutDword(kSettingsKey, kValSpeak, input.ConsumeIntegral<std::uint32_t>());
  registry.PutDword(kSettingsKey, kValUsedLang, 1);
  registry.PutText(kSettingsKey, kStrAccounts, u"Outlook\t");
  registry.PutDword(kSettingsKey, kValWaitStart, 10);
  registry.PutDword(kSettingsKey, kValAlive, 7);
  if (!complete) {
    // One main value missing or malformed.
    const WChar* name = kMainValues[input.ConsumeIntegralInRange<std::size_t>(0, 5)];
    if (input.ConsumeBool()) {
      registry.Remove(kSettingsKey, name);
    } else {
      registry.PutRaw(kSettingsKey, name, input.ConsumeIntegralInRange<std::uint32_t>(0, 11),
                      input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 600)));
    }
  }
  if (input.ConsumeIntegralInRange<int>(0, 15) != 0) {
    registry.PutRaw(kSettingsKey, kStrLangPath, input.ConsumeBool() ? kRegSz : 3u /* REG_BINARY */,
                    LangPathBytes(input));
  }

  // Failures of the save and of the path load.
  Fault createKey, setValue, openKey, queryLangPath;
  const auto faults = input.ConsumeIntegral<std::uint8_t>();
  if (faults & 0x01) createKey.Arm(registry, "CreateKey", u"", 1);
  if (faults & 0x02) {
    setValue.Arm(registry, "SetValue", kMainValues[input.ConsumeIntegralInRange(0, 5)], 1);
  }
  if (faults & 0x04) openKey.Arm(registry, "OpenKey", u"", 2);
  if (faults & 0x08) queryLangPath.Arm(registry, "QueryValue", kStrLangPath, 1);

  // What the pass starts from, read without faults.
  fake::FakeRegistry before = registry;
  before.faults.Clear();
  SettingsRecord loaded;
  const bool loads = SettingsStore(before).LoadSettings(loaded) == 0;
  const auto langPath = ReadableLangPath(before);

  fake::FakeNamedMutexes mutexes;
  fake::FakeClock clock;
  fake::FakeSound sound;
  VoiceCommandApp application(command, registry, mutexes, clock, sound);
  Check(!application.InitInstance());
  Check(registry.OpenKeys() == 0);

  const bool change = loads && command.bit.Get(loaded.ValSpeak) != command.target;
  const bool saved = change && !createKey.fired && !setValue.fired;
  // Without a change nothing is written; StrLangPath and ValAlive are never written.
  for (const WChar* name : kAllValues) {
    const bool mayChange = change && std::find(std::begin(kMainValues), std::end(kMainValues),
                                               name) != std::end(kMainValues);
    if (mayChange) continue;
    const auto was = before.Get(kSettingsKey, name);
    const auto is = registry.Get(kSettingsKey, name);
    Check(was.has_value() == is.has_value());
    Check(!was || (was->type == is->type && was->bytes == is->bytes));
  }
  if (change) {
    // The record goes back as loaded, but for the build's bit, as far as the save got.
    registry.faults.Clear();
    SettingsRecord after;
    const bool reloads = SettingsStore(registry).LoadSettings(after) == 0;
    Check(reloads || !saved);
    if (reloads) {
      Check((after.ValSpeak & ~command.bit.Mask()) == (loaded.ValSpeak & ~command.bit.Mask()));
      Check(after.ValUsedLang == loaded.ValUsedLang && after.ValWaitStart == loaded.ValWaitStart);
      Check(WStringView(after.StrAccounts) == WStringView(loaded.StrAccounts));
    }
    if (saved) {
      Check(registry.Dword(kSettingsKey, kValSpeak) ==
            command.bit.Set(loaded.ValSpeak, command.target));
      Check(after.ValAnswerTime == loaded.ValAnswerTime);
      Check(WStringView(after.StrAddressCC) == WStringView(loaded.StrAddressCC));
    }
  }
  Check(clock.sleeps == (saved ? std::vector<std::uint32_t>{297} : std::vector<std::uint32_t>{}));

  // The prompt: exactly the expected path, only when everything before it worked and it fits.
  const bool reachesPrompt =
      loads && (!change || saved) && !openKey.fired && !queryLangPath.fired && langPath;
  std::optional<WString> expected;
  if (reachesPrompt) {
    const bool english = FlagDialogEnglish.Get(loaded.ValSpeak) != 0;
    WString path = *langPath + u"VoiceCommand\\" + (english ? u"ENG_" : u"GER_") + command.prompt;
    if (path.size() <= 259) expected = path;
  }
  Check(sound.played.size() == (expected ? 1u : 0u));
  if (expected) {
    Check(sound.played[0].path == *expected);
    Check(sound.played[0].flags == (kSndFilename | kSndNoDefault));
  }
}
