// The six real toggle programs from the package folder, run against Wine's registry. What a
// program asks PlaySound to play is read from Wine's winmm trace (WINEDEBUG=+winmm); the
// program itself is unchanged.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/sound_trace.h"

namespace {

namespace device = lectavo::device;
using lectavo::device::kSettingsKey;
using lectavo::wine::AsTraced;
using lectavo::wine::PackageFolder;
using lectavo::wine::PackagePath;
using lectavo::wine::Played;
using lectavo::wine::Traced;
using ToggleRun = lectavo::wine::TracedRun;

const std::vector<std::wstring> kOtherValues = {L"ValUsedLang",   L"StrAccounts",  L"ValWaitStart",
                                                L"ValAnswerTime", L"StrAddressCC", L"StrLangPath",
                                                L"ValAlive"};

class VoicecmdWineTest : public ::testing::Test {
 protected:
  void SetUp() override { device::RemoveSettings(); }
  void TearDown() override { device::RemoveSettings(); }

  static void PutDword(const wchar_t* name, DWORD value) {
    ASSERT_TRUE(device::WriteDword(kSettingsKey, name, value));
  }
  static void PutText(const wchar_t* name, const std::wstring& text) {
    ASSERT_TRUE(device::WriteText(kSettingsKey, name, text));
  }
  static void Remove(const wchar_t* name) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), name);
  }

  // The bytes of a stored value followed by its type; empty when the value is absent.
  static std::vector<BYTE> Stored(const std::wstring& name) {
    const auto value = device::ReadValue(kSettingsKey, name);
    if (!value) return {};
    std::vector<BYTE> bytes = value->bytes;
    bytes.push_back(static_cast<BYTE>(value->type));
    return bytes;
  }
  static DWORD Speak() {
    const auto speak = device::ReadDword(kSettingsKey, L"ValSpeak");
    EXPECT_TRUE(speak.has_value());
    return speak.value_or(0);
  }
  static std::map<std::wstring, std::vector<BYTE>> Others() {
    std::map<std::wstring, std::vector<BYTE>> values;
    for (const std::wstring& name : kOtherValues) values[name] = Stored(name);
    return values;
  }

  // A whole record whose every value differs from the install defaults, and whose prompts are
  // the packaged ones.
  static void PutRecord(DWORD speak) {
    const std::wstring langPath = PackageFolder() + L"\\";
    ASSERT_TRUE(device::PutRecord(
        {.speak = speak, .langPath = lectavo::WString(langPath.begin(), langPath.end())}));
  }

  // Starts the packaged program by its file name, without arguments and with Wine's winmm
  // trace on, and waits for its end.
  static ToggleRun RunToggle(const std::wstring& name) {
    return lectavo::wine::RunWithSoundTrace(PackagePath(name + L".exe"));
  }

  static std::vector<std::string> Flags(const ToggleRun& run) {
    return Traced(run.trace, "fdwSound=", '\n');
  }
  // The trace is on (winmm is loaded with every program) and shows no PlaySound call.
  static void ExpectNothingPlayed(const ToggleRun& run) {
    EXPECT_NE(run.trace.find("trace:winmm:"), std::string::npos) << run.trace;
    EXPECT_EQ(run.trace.find("PlaySound"), std::string::npos) << run.trace;
  }
  static std::string Prompt(const std::wstring& file) {
    return AsTraced(PackageFolder() + L"\\VoiceCommand\\" + file);
  }
};

struct ToggleCase {
  const wchar_t* program;
  DWORD before;
  DWORD after;
  const wchar_t* prompt;
};

// Each program from the other side of its bit, in both dialog languages (bit 22).
const ToggleCase kToggleCases[] = {
    {L"Lectavo_VC_VorlesenEin", 0x00400000, 0x08400000, L"ENG_VorlesenEin.WAV"},
    {L"Lectavo_VC_VorlesenAus", 0xE8323232, 0xE0323232, L"GER_VorlesenAus.WAV"},
    {L"Lectavo_VC_NachfrageEin", 0xFFFFFFFF, 0xEFFFFFFF, L"ENG_NachfrageEin.WAV"},
    {L"Lectavo_VC_NachfrageAus", 0xE0323232, 0xF0323232, L"GER_NachfrageAus.WAV"},
    {L"Lectavo_VC_AntwortEin", 0xE8323232, 0xE8B23232, L"GER_AntwortEin.WAV"},
    {L"Lectavo_VC_AntwortAus", 0xFFFFFFFF, 0xFF7FFFFF, L"ENG_AntwortAus.WAV"},
};

void PrintTo(const ToggleCase& c, std::ostream* out) {
  *out << std::string(c.program, c.program + wcslen(c.program));
}

class ToggleWineTest : public VoicecmdWineTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ToggleWineTest, SwitchesItsBitAloneAndPlaysThePackagedPrompt) {
  const ToggleCase& c = GetParam();
  PutRecord(c.before);
  const auto others = Others();
  const ToggleRun run = RunToggle(c.program);

  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(Speak(), c.after);
  EXPECT_EQ(Others(), others) << "every other value stays as it was";
  EXPECT_EQ(Played(run), std::vector<std::string>{Prompt(c.prompt)}) << run.trace;
  EXPECT_EQ(Flags(run), std::vector<std::string>{"00020002"});
  EXPECT_NE(run.trace.find("Chunk Found ckid=data"), std::string::npos)
      << "winmm found the prompt and read it as a WAV file:\n"
      << run.trace;
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, ToggleWineTest, ::testing::ValuesIn(kToggleCases),
                         [](const auto& info) {
                           const std::wstring name = info.param.program;
                           return std::string(name.begin() + 11, name.end());
                         });

TEST_F(VoicecmdWineTest, AbsentAnswerTimeAndAddressCCAreWrittenOnlyWithAChange) {
  PutRecord(0xE8323232);
  Remove(L"ValAnswerTime");
  Remove(L"StrAddressCC");
  const ToggleRun unchanged = RunToggle(L"Lectavo_VC_VorlesenEin");
  EXPECT_EQ(Speak(), 0xE8323232u);
  EXPECT_TRUE(Stored(L"ValAnswerTime").empty());
  EXPECT_TRUE(Stored(L"StrAddressCC").empty());
  EXPECT_EQ(Played(unchanged), std::vector<std::string>{Prompt(L"GER_VorlesenEin.WAV")});

  const ToggleRun changed = RunToggle(L"Lectavo_VC_AntwortEin");
  EXPECT_EQ(Speak(), 0xE8B23232u);
  EXPECT_EQ(Stored(L"ValAnswerTime"), (std::vector<BYTE>{3, 0, 0, 0, REG_DWORD}));
  EXPECT_EQ(Stored(L"StrAddressCC"), (std::vector<BYTE>{0, 0, REG_SZ})) << "the terminator alone";
  EXPECT_EQ(Played(changed), std::vector<std::string>{Prompt(L"GER_AntwortEin.WAV")});
}

TEST_F(VoicecmdWineTest, WithoutTheRecordNothingIsCreatedAndNothingPlays) {
  const ToggleRun run = RunToggle(L"Lectavo_VC_VorlesenEin");
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_FALSE(device::KeyExists(kSettingsKey));
  ExpectNothingPlayed(run);
}

// The prompt path has room for 259 characters; StrLangPath may hold 255. With
// "VoiceCommand\\GER_NachfrageEin.WAV" (33 characters) a folder of 226 fits, 227 does not.
TEST_F(VoicecmdWineTest, PromptPathThatDoesNotFitPlaysNothingButTheOptionSwitches) {
  for (const std::size_t length : {226u, 227u, 255u}) {
    SCOPED_TRACE(length);
    PutRecord(0xF8323232);
    const std::wstring folder = L"C:\\" + std::wstring(length - 4, L'x') + L"\\";
    PutText(L"StrLangPath", folder);
    const ToggleRun run = RunToggle(L"Lectavo_VC_NachfrageEin");
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(Speak(), 0xE8323232u) << "the option switches";
    if (length == 226) {
      const std::string path = AsTraced(folder + L"VoiceCommand\\GER_NachfrageEin.WAV");
      EXPECT_EQ(Played(run), std::vector<std::string>{path}) << run.trace;
    } else {
      ExpectNothingPlayed(run);
    }
  }
}

}  // namespace
