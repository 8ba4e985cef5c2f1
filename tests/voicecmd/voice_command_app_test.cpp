#include "voicecmd/voice_command_app.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_named_mutexes.h"
#include "tests/support/fake_registry.h"
#include "tests/support/fake_sound.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeClock;
using fake::FakeRegistry;
using fake::FakeSound;
using fake::Narrow;

constexpr WStringView kKey = kSettingsKey;
constexpr WStringView kLangPath = u"\\Speicherkarte\\Lectavo\\";
const std::vector<WString> kOtherValues = {u"ValUsedLang",   u"StrAccounts",  u"ValWaitStart",
                                           u"ValAnswerTime", u"StrAddressCC", u"StrLangPath",
                                           u"ValAlive"};

class VoiceCommandAppTest : public ::testing::Test {
 protected:
  VoiceCommandAppTest() {
    // The wait appears in the registry's call log, so one list shows the order of both.
    clock.onSleep = [this](std::uint64_t) {
      registry.log.push_back("Sleep " + std::to_string(clock.sleeps.back()));
    };
  }

  void PutRecord(std::uint32_t speak) {
    fake::PutRecord(registry,
                    {.speak = speak, .addressCC = u"kopie@example.org", .langPath = kLangPath});
  }

  // Type and bytes of every value but ValSpeak.
  std::map<WString, std::pair<std::uint32_t, std::vector<std::uint8_t>>> Others() const {
    std::map<WString, std::pair<std::uint32_t, std::vector<std::uint8_t>>> values;
    for (const WString& name : kOtherValues) {
      if (auto value = registry.Get(kKey, name)) values[name] = {value->type, value->bytes};
    }
    return values;
  }

  int Count(const std::string& prefix) const {
    int count = 0;
    for (const std::string& call : registry.log) count += call.rfind(prefix, 0) == 0;
    return count;
  }

  // A fresh world for the next case of a table.
  void Reset() {
    registry = FakeRegistry{};
    sound.played.clear();
    clock.sleeps.clear();
  }

  void Run(const ToggleCommand& command) {
    VoiceCommandApp application(command, registry, mutexes, clock, sound);
    EXPECT_FALSE(application.InitInstance()) << "the program never opens a window";
  }

  FakeRegistry registry;
  fake::FakeNamedMutexes mutexes;
  FakeClock clock;
  FakeSound sound;
};

TEST_F(VoiceCommandAppTest, ChangeLoadsSavesWaitsLoadsThePathAndPlaysInThisOrder) {
  PutRecord(kDefaultSpeak);
  Run(kVorlesenAus);
  EXPECT_EQ(registry.log, (std::vector<std::string>{
                              "OpenKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x1",
                              "QueryValue ValSpeak 4",
                              "QueryValue ValUsedLang 4",
                              "QueryValue StrAccounts 512",
                              "QueryValue ValWaitStart 4",
                              "QueryValue ValAnswerTime 4",
                              "QueryValue StrAddressCC 512",
                              "CloseKey",
                              "CreateKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x20006",
                              "SetValue ValSpeak 4",
                              "SetValue ValUsedLang 4",
                              "SetValue StrAccounts 30",
                              "SetValue ValWaitStart 4",
                              "SetValue StrAddressCC 36",
                              "SetValue ValAnswerTime 4",
                              "CloseKey",
                              "Sleep 297",
                              "OpenKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x1",
                              "QueryValue StrLangPath 512",
                              "CloseKey",
                          }));
  ASSERT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(Narrow(sound.played[0].path),
            "\\Speicherkarte\\Lectavo\\VoiceCommand\\GER_VorlesenAus.WAV");
  EXPECT_EQ(sound.played[0].flags, 0x20002u);
}

struct ToggleCase {
  const char* name;
  const ToggleCommand& command;
  std::uint32_t before;
  std::uint32_t after;
  const char* prompt;
};

void PrintTo(const ToggleCase& c, std::ostream* out) { *out << c.name; }

// Every build from both sides of its bit, in both dialog languages (bit 22).
const ToggleCase kToggleCases[] = {
    {"VorlesenEinSwitchesReadingOn", kVorlesenEin, 0x00000000, 0x08000000, "GER_VorlesenEin.WAV"},
    {"VorlesenEinAlreadyOn", kVorlesenEin, 0xE8723232, 0xE8723232, "ENG_VorlesenEin.WAV"},
    {"VorlesenAusSwitchesReadingOff", kVorlesenAus, 0xE8323232, 0xE0323232, "GER_VorlesenAus.WAV"},
    {"VorlesenAusAlreadyOff", kVorlesenAus, 0xF7FFFFFF, 0xF7FFFFFF, "ENG_VorlesenAus.WAV"},
    {"NachfrageEinClearsReadUnasked", kNachfrageEin, 0xFFFFFFFF, 0xEFFFFFFF,
     "ENG_NachfrageEin.WAV"},
    {"NachfrageEinAlreadyAsking", kNachfrageEin, 0xE8323232, 0xE8323232, "GER_NachfrageEin.WAV"},
    {"NachfrageAusSetsReadUnaskedWithReadingOff", kNachfrageAus, 0xE0323232, 0xF0323232,
     "GER_NachfrageAus.WAV"},
    {"NachfrageAusAlreadyUnasked", kNachfrageAus, 0x10400000, 0x10400000, "ENG_NachfrageAus.WAV"},
    {"AntwortEinSwitchesAnsweringOn", kAntwortEin, 0xE8323232, 0xE8B23232, "GER_AntwortEin.WAV"},
    {"AntwortEinAlreadyOn", kAntwortEin, 0xFFFFFFFF, 0xFFFFFFFF, "ENG_AntwortEin.WAV"},
    {"AntwortAusSwitchesAnsweringOff", kAntwortAus, 0xFFFFFFFF, 0xFF7FFFFF, "ENG_AntwortAus.WAV"},
    {"AntwortAusAlreadyOff", kAntwortAus, 0x00000000, 0x00000000, "GER_AntwortAus.WAV"},
};

class ToggleTest : public VoiceCommandAppTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ToggleTest, SwitchesItsBitAloneAndPlaysTheResultingState) {
  const ToggleCase& c = GetParam();
  PutRecord(c.before);
  const auto others = Others();
  Run(c.command);

  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), c.after);
  EXPECT_EQ(Others(), others) << "every other value stays as it was";
  const bool changed = c.before != c.after;
  EXPECT_EQ(Count("SetValue"), changed ? 6 : 0);
  EXPECT_EQ(Count("CreateKey"), changed ? 1 : 0);
  EXPECT_EQ(clock.sleeps, changed ? std::vector<std::uint32_t>{297} : std::vector<std::uint32_t>{});
  ASSERT_EQ(sound.played.size(), 1u) << "the prompt plays whether or not the bit changed";
  EXPECT_EQ(Narrow(sound.played[0].path),
            "\\Speicherkarte\\Lectavo\\VoiceCommand\\" + std::string(c.prompt));
  EXPECT_EQ(sound.played[0].flags, 0x20002u);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryBuild, ToggleTest, ::testing::ValuesIn(kToggleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VoiceCommandAppTest, AbsentAnswerTimeAndAddressCCAreWrittenOnlyWithAChange) {
  PutRecord(kDefaultSpeak);
  registry.Remove(kKey, u"ValAnswerTime");
  registry.Remove(kKey, u"StrAddressCC");
  Run(kVorlesenEin);  // already on
  EXPECT_FALSE(registry.Get(kKey, u"ValAnswerTime"));
  EXPECT_FALSE(registry.Get(kKey, u"StrAddressCC"));

  Run(kAntwortEin);
  EXPECT_EQ(registry.Dword(kKey, u"ValAnswerTime"), 3u);
  const auto cc = registry.Get(kKey, u"StrAddressCC");
  ASSERT_TRUE(cc);
  EXPECT_EQ(cc->type, kRegSz);
  EXPECT_EQ(cc->bytes, (std::vector<std::uint8_t>{0, 0})) << "the terminator alone";
  EXPECT_EQ(sound.played.size(), 2u);
}

TEST_F(VoiceCommandAppTest, SecondRunWritesNothingAndRepeatsThePrompt) {
  PutRecord(kDefaultSpeak);
  Run(kNachfrageAus);
  const auto firstLog = registry.log.size();
  Run(kNachfrageAus);
  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), 0xF8323232u);
  for (auto call = registry.log.begin() + firstLog; call != registry.log.end(); ++call) {
    EXPECT_EQ(call->rfind("SetValue", 0), std::string::npos) << *call;
  }
  EXPECT_EQ(clock.sleeps.size(), 1u);
  ASSERT_EQ(sound.played.size(), 2u);
  EXPECT_EQ(sound.played[0].path, sound.played[1].path);
}

TEST_F(VoiceCommandAppTest, IncompleteRecordChangesNothingAndPlaysNothing) {
  for (const char16_t* missing :
       {u"", u"ValSpeak", u"ValUsedLang", u"StrAccounts", u"ValWaitStart"}) {
    SCOPED_TRACE(Narrow(missing));
    Reset();
    if (*missing != u'\0') {
      PutRecord(0);
      registry.Remove(kKey, missing);
    }
    Run(kVorlesenEin);
    EXPECT_EQ(Count("CreateKey"), 0);
    EXPECT_EQ(Count("SetValue"), 0);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(registry.HasKey(kKey), *missing != u'\0') << "no key is created";
  }
}

TEST_F(VoiceCommandAppTest, MissingLangPathKeepsTheChangeAndPlaysNothing) {
  PutRecord(kDefaultSpeak);
  registry.Remove(kKey, u"StrLangPath");
  Run(kVorlesenAus);
  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), 0xE0323232u);
  EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>{297});
  EXPECT_TRUE(sound.played.empty());
}

TEST_F(VoiceCommandAppTest, FailedSaveIsNotConfirmedByAPrompt) {
  struct Case {
    const char* operation;
    const char16_t* failingValue;  // for SetValue; the values before it are written
    std::uint32_t speakAfter;
  };
  const Case cases[] = {
      {"CreateKey", u"", kDefaultSpeak},
      {"SetValue", u"ValSpeak", kDefaultSpeak},
      {"SetValue", u"ValAnswerTime", 0xE8B23232},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " " + Narrow(c.failingValue));
    Reset();
    PutRecord(kDefaultSpeak);
    const WString failing = c.failingValue;
    registry.faults.FailWhen(c.operation, [failing](WStringView argument) {
      return failing.empty() || argument == failing;
    });
    Run(kAntwortEin);
    EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), c.speakAfter);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(registry.OpenKeys(), 0);
  }
}

// The prompt path holds 259 characters and its terminator; StrLangPath may hold 255.
TEST_F(VoiceCommandAppTest, PromptPathThatDoesNotFitPlaysNothingButTheOptionSwitches) {
  struct Case {
    const ToggleCommand& command;
    std::size_t langPathLength;
    bool plays;
  };
  const Case cases[] = {
      {kNachfrageEin, 226, true}, {kNachfrageEin, 227, false}, {kNachfrageEin, 255, false},
      {kVorlesenEin, 227, true},  {kVorlesenEin, 228, false},  {kAntwortAus, 228, true},
      {kAntwortAus, 229, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.command.prompt) + " " + std::to_string(c.langPathLength));
    Reset();
    PutRecord(0xF7FFFFFF);  // reading off, asking off, answering on
    const WString langPath = WString(c.langPathLength - 1, u'x') + u"\\";
    registry.PutText(kKey, u"StrLangPath", langPath);
    Run(c.command);

    EXPECT_NE(registry.Dword(kKey, u"ValSpeak"), 0xF7FFFFFFu) << "the option switches";
    if (c.plays) {
      ASSERT_EQ(sound.played.size(), 1u);
      EXPECT_EQ(sound.played[0].path, langPath + u"VoiceCommand\\ENG_" + WString(c.command.prompt));
      EXPECT_EQ(sound.played[0].path.size(), 259u);
    } else {
      EXPECT_TRUE(sound.played.empty());
    }
  }
}

}  // namespace
}  // namespace lectavo
