#include "service/voice_table.h"

#include <gtest/gtest.h>

#include "settings/bit_fields.h"
#include "tests/support/fake_files.h"

namespace lectavo {
namespace {

std::uint32_t Speak(std::uint32_t speedHalf, std::uint32_t pitchHalf, std::uint32_t volumeHalf) {
  return VolumeHalf.Set(PitchHalf.Set(SpeedHalf.Set(0, speedHalf), pitchHalf), volumeHalf);
}

struct SpeedCase {
  std::uint32_t speedHalf;
  int wordsPerMinute;
  int wordGap;
};

TEST(VoiceTableTest, SpeedGivesWordsPerMinuteAndBelowTheEnginesSlowestLongerPauses) {
  const SpeedCase cases[] = {
      {50, 175, 0},   // speed 100, normal
      {250, 875, 0},  // 500, the fastest
      {23, 80, 0},    // 46: 80.5 words a minute, still the engine's own rate
      {22, 80, 3},    // 44: 77 a minute, the rest of each word's time as a pause
      {10, 80, 96},   // 20: 35 a minute
      {9, 175, 0},    // 18 lies below the range: speed 100
      {251, 175, 0},  // 502 above it
      {0, 175, 0},
  };
  for (const SpeedCase& c : cases) {
    const SpokenVoice voice = VoiceSettings(Speak(c.speedHalf, 50, 50));
    EXPECT_EQ(voice.engine.wordsPerMinute, c.wordsPerMinute) << "speed half " << c.speedHalf;
    EXPECT_EQ(voice.engine.wordGap, c.wordGap) << "speed half " << c.speedHalf;
  }
}

TEST(VoiceTableTest, EveryStepDownInSpeedIsSlowerBelowTheEnginesSlowestRate) {
  double lastWordSeconds = 0;
  for (std::uint32_t half = 40; half >= 10; --half) {
    const EngineVoice voice = VoiceSettings(Speak(half, 50, 50)).engine;
    const double wordSeconds = 60.0 / voice.wordsPerMinute + voice.wordGap / 100.0;
    EXPECT_GT(wordSeconds, lastWordSeconds) << "speed " << 2 * half;
    lastWordSeconds = wordSeconds;
  }
}

struct LevelCase {
  std::uint32_t half;
  int pitch;    // the engine's, for the pitch half
  double gain;  // for the same number as the volume half
};

TEST(VoiceTableTest, PitchIsHalvedUpTo99AndVolumeBecomesAGain) {
  const LevelCase cases[] = {
      {25, 25, 0.5},   // pitch 50 | volume 50
      {50, 50, 1.0},   // 100 | 100
      {0, 50, 0.0},    // pitch 0 lies out of range: 100 | volume 0 is silence
      {1, 50, 0.02},   // pitch 2 out of range | volume 2
      {24, 50, 0.48},  // pitch 48 out of range | 48
      {51, 51, 1.0},   // 102 | volume 102 above the range: 100
      {63, 63, 1.0},   // 126 | volume 126 taken as 100
      {100, 99, 1.0},  // pitch 200: at most the engine's 99 | (volume half has 6 bits)
  };
  for (const LevelCase& c : cases) {
    EXPECT_EQ(VoiceSettings(Speak(50, c.half, 50)).engine.pitch, c.pitch)
        << "pitch half " << c.half;
    if (c.half < 64) {
      EXPECT_DOUBLE_EQ(VoiceSettings(Speak(50, 50, c.half)).gain, c.gain)
          << "volume half " << c.half;
    }
  }
  EXPECT_EQ(VoiceSettings(Speak(50, 101, 50)).engine.pitch, 50) << "pitch 202 is out of range";
}

TEST(VoiceTableTest, UnknownLanguagesAreGerman) {
  const std::pair<std::uint32_t, int> cases[] = {
      {0, 1},   {1, 1},  {2, 2},  {11, 11},           {12, 1},    {16, 1}, {17, 17},
      {20, 20}, {21, 1}, {63, 1}, {10 * 64 + 11, 11}, {64 * 5, 1}};
  for (const auto& [usedLang, language] : cases) {
    EXPECT_EQ(ReadingLanguage(usedLang), language) << "ValUsedLang " << usedLang;
  }
}

constexpr WStringView kLangPath = u"\\Program Files\\Lectavo\\";

class VoiceNameTest : public ::testing::Test {
 protected:
  void PutVoice(WStringView folder, std::string_view content) {
    files.PutFile(WString(kLangPath) + WString(folder) + u"\\svox.pil", content);
  }
  std::string Name(int language, bool male) { return VoiceName(language, male, kLangPath, files); }

  fake::FakeFiles files;
};

TEST_F(VoiceNameTest, AVoiceFolderWithItsFileDecidesTheVoice) {
  const std::pair<WStringView, std::string_view> layout[] = {
      {u"GER_W", "de+f3\n"},     {u"GER_M", "de+m3\n"},  {u"ENG_W", "en+f3"},
      {u"FRA_W", "fr+f3"},       {u"SPA_W", "es+f3"},    {u"ITA_W", "it+f3"},
      {u"GERENG_W", "de+f4"},    {u"FRAENG_W", "fr+f4"}, {u"SPAENG_W", "es+f4"},
      {u"ITAENG_W", "it+f4\r\n"}};
  for (const auto& [folder, content] : layout) PutVoice(folder, content);

  const std::tuple<int, bool, std::string> cases[] = {
      {1, false, "de+f3"},   {1, true, "de+m3"},   {2, false, "en+f3"}, {2, true, "en+f3"},
      {3, false, "fr+f3"},   {4, false, "es+f3"},  {5, false, "it+f3"}, {6, false, "nl+f3"},
      {7, false, "pt+f3"},   {8, false, "sv+f3"},  {9, false, "ru+f3"}, {10, false, "pl+f3"},
      {11, false, "cmn+f3"}, {17, false, "de+f4"}, {17, true, "de+f4"}, {18, false, "fr+f4"},
      {19, false, "es+f4"},  {20, false, "it+f4"}};
  for (const auto& [language, male, name] : cases) {
    EXPECT_EQ(Name(language, male), name) << "language " << language << (male ? " male" : "");
  }
}

TEST_F(VoiceNameTest, WithoutItsVoiceFileALanguageSpeaksWithTheEnginesOwnVoice) {
  EXPECT_EQ(Name(1, true), "de+f3") << "no GER_M: the masculine voice is gone";
  EXPECT_EQ(Name(2, false), "en+f3");
  EXPECT_EQ(Name(18, false), "fr+f3") << "a mixed language: its first-named language";
  PutVoice(u"GER_W", "de+f5");
  EXPECT_EQ(Name(1, true), "de+f5") << "no GER_M: German's own folder";
}

TEST_F(VoiceNameTest, AFileThatIsNoVoiceIsPassedOver) {
  const std::string_view notVoices[] = {"",
                                        "\n",
                                        std::string_view("\0\x01\xFF", 3),
                                        "$(touch /tmp/x)",
                                        "de+f3 -w /tmp/x",
                                        "de;f3",
                                        "abcdefghijklmnopqrstuvwxyzabcdefg"};
  for (std::string_view content : notVoices) {
    PutVoice(u"GER_M", content);
    EXPECT_EQ(Name(1, true), "de+f3") << "content: " << content;
  }
}

TEST(VoiceForTest, TheMasculineFlagAndTheLevelsComeFromValSpeak) {
  fake::FakeFiles files;
  files.PutFile(u"\\L\\GER_M\\svox.pil", "de+m3");
  const SpokenVoice voice = VoiceFor(FlagMaleVoice.Set(Speak(100, 75, 25), 1), 1, u"\\L\\", files);
  EXPECT_EQ(voice.engine, (EngineVoice{"de+m3", 350, 0, 75}));
  EXPECT_DOUBLE_EQ(voice.gain, 0.5);
}

}  // namespace
}  // namespace lectavo
