// The toggles' prompts are really heard: each packaged program runs while the device's sound
// server is recorded from its monitor; the prompt it asked for (Wine's winmm trace) must be
// the one for its option and language, and the recording must sound as long as that prompt.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <ostream>
#include <string>

#include "device_control/recorded_sound.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/sound_trace.h"

namespace lectavo {
namespace {

using fake::kEnglish;
const std::string kRecording = LECTAVO_RECORDING;

void PutRecord(DWORD speak, const std::wstring& langPath) {
  device::RemoveSettings();
  ASSERT_TRUE(
      device::PutRecord(fake::InstallRecord(speak, WString(langPath.begin(), langPath.end()))));
}

struct Recorded {
  wine::TracedRun run;
  Heard heard;
};

Recorded RunRecorded(const wchar_t* program) {
  Recorded recorded;
  recorded.run =
      wine::RunWithSoundTrace(wine::PackageFolder() + L"\\" + program + L".exe", kRecording);
  const auto bytes = device::Content(wine::HostPath(kRecording.c_str()));
  EXPECT_TRUE(bytes && !bytes->empty()) << "nothing was recorded at all:\n" << recorded.run.trace;
  if (bytes) recorded.heard = Listen(RawSamples(*bytes, 22050));
  return recorded;
}

struct HeardCase {
  const wchar_t* program;
  DWORD speak;  // the option on the other side, so the program switches it
  const wchar_t* prompt;
};

// The six programs in both dialog languages.
const HeardCase kHeardCases[] = {
    {L"Lectavo_VC_VorlesenEin", 0x00000000, L"GER_VorlesenEin.WAV"},
    {L"Lectavo_VC_VorlesenEin", kEnglish, L"ENG_VorlesenEin.WAV"},
    {L"Lectavo_VC_VorlesenAus", 0xE8323232, L"GER_VorlesenAus.WAV"},
    {L"Lectavo_VC_VorlesenAus", 0xE8323232 | kEnglish, L"ENG_VorlesenAus.WAV"},
    {L"Lectavo_VC_NachfrageEin", 0xF0000000, L"GER_NachfrageEin.WAV"},
    {L"Lectavo_VC_NachfrageEin", 0xF0000000 | kEnglish, L"ENG_NachfrageEin.WAV"},
    {L"Lectavo_VC_NachfrageAus", 0xE0323232, L"GER_NachfrageAus.WAV"},
    {L"Lectavo_VC_NachfrageAus", 0xE0323232 | kEnglish, L"ENG_NachfrageAus.WAV"},
    {L"Lectavo_VC_AntwortEin", 0xE8323232, L"GER_AntwortEin.WAV"},
    {L"Lectavo_VC_AntwortEin", 0xE8323232 | kEnglish, L"ENG_AntwortEin.WAV"},
    {L"Lectavo_VC_AntwortAus", 0xE8B23232, L"GER_AntwortAus.WAV"},
    {L"Lectavo_VC_AntwortAus", 0xE8B23232 | kEnglish, L"ENG_AntwortAus.WAV"},
};

void PrintTo(const HeardCase& c, std::ostream* out) {
  *out << std::string(c.prompt, c.prompt + wcslen(c.prompt));
}

class PromptHeardWineTest : public ::testing::TestWithParam<HeardCase> {
 protected:
  void TearDown() override { device::RemoveSettings(); }
};

TEST_P(PromptHeardWineTest, TheChosenPromptSoundsForItsWholeLength) {
  const HeardCase& c = GetParam();
  const std::wstring prompt = wine::PackageFolder() + L"\\VoiceCommand\\" + c.prompt;
  const auto wav = WavSamples(device::Content(prompt).value_or(""));
  ASSERT_TRUE(wav) << "the packaged prompt is a 16-bit mono WAV file";
  const Heard own = Listen(*wav);
  PutRecord(c.speak, wine::PackageFolder() + L"\\");

  const Recorded recorded = RunRecorded(c.program);

  EXPECT_EQ(recorded.run.exitCode, 0u);
  EXPECT_EQ(wine::Played(recorded.run), std::vector<std::string>{wine::AsTraced(prompt)})
      << recorded.run.trace;
  EXPECT_GT(recorded.heard.peakDb, kSoundingDb + 20) << "well above silence";
  EXPECT_NEAR(recorded.heard.seconds, own.seconds, own.seconds * 0.1)
      << "sound heard for as long as the prompt sounds";
}

INSTANTIATE_TEST_SUITE_P(EveryProgramInBothLanguages, PromptHeardWineTest,
                         ::testing::ValuesIn(kHeardCases), [](const auto& info) {
                           const std::wstring name = info.param.prompt;
                           return std::string(name.begin(), name.end() - 4);
                         });

TEST(PromptMissingWineTest, NothingIsHeard) {
  const std::wstring empty = wine::HostPath(LECTAVO_EMPTY_DIR) + L"\\";
  CreateDirectoryW(empty.c_str(), nullptr);
  PutRecord(0xE8323232, empty);

  const Recorded recorded = RunRecorded(L"Lectavo_VC_VorlesenAus");
  device::RemoveSettings();

  EXPECT_EQ(recorded.run.exitCode, 0u);
  EXPECT_EQ(wine::Played(recorded.run),
            std::vector<std::string>{wine::AsTraced(empty + L"VoiceCommand\\GER_VorlesenAus.WAV")});
  EXPECT_EQ(recorded.heard.seconds, 0.0) << "no default sound either";
  EXPECT_LT(recorded.heard.peakDb, kSoundingDb);
}

}  // namespace
}  // namespace lectavo
