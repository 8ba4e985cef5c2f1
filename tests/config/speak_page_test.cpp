// The Speak page: numbers shown doubled and stored halved, their ranges, the corrections made
// on opening, the language list and ValUsedLang, the masculine voice.
#include "config/general_page_controls.h"
#include "config/speak_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

constexpr int kSpeakTab = 4;
constexpr std::uint32_t kBit15 = 1u << 15;

// ValSpeak with the three halves as given and every other bit of the install default.
std::uint32_t WithHalves(std::uint32_t speed, std::uint32_t pitch, std::uint32_t volume) {
  return VolumeHalf.Set(PitchHalf.Set(SpeedHalf.Set(kDefaultSpeak, speed), pitch), volume);
}

TEST_F(ConfigTest, SpeakFieldsShowTwiceTheStoredHalves) {
  PutRecord(WithHalves(77, 30, 0) | kBit15);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Dialogs(), (std::vector<int>{102, 134}));
    EXPECT_EQ(user.Text(kSpeedId), u"154");
    EXPECT_EQ(user.Text(kPitchId), u"60");
    EXPECT_EQ(user.Text(kVolumeId), u"0");
    EXPECT_EQ(user.Text(kSpeedLabelId), u"Sprachgeschwindigkeit (20..500)");
    EXPECT_EQ(user.Text(kMaleVoiceId), u" männliche Stimme");
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), WithHalves(77, 30, 0) | kBit15) << "bit 15 is left alone";
}

TEST_F(ConfigTest, TypedSpeakValuesAreStoredHalvedWithinTheirRanges) {
  struct Case {
    int id;
    const WChar* typed;
    BitField half;
    std::uint32_t stored;
  };
  const Case cases[] = {
      {kSpeedId, u"155", SpeedHalf, 77},   {kSpeedId, u"19", SpeedHalf, 50},
      {kSpeedId, u"20", SpeedHalf, 10},    {kSpeedId, u"500", SpeedHalf, 250},
      {kSpeedId, u"501", SpeedHalf, 50},   {kSpeedId, u"", SpeedHalf, 50},
      {kSpeedId, u"-20", SpeedHalf, 50},    // a negative number counts as too large
      {kSpeedId, u"5000", SpeedHalf, 250},  // cut to "500" by the field
      {kPitchId, u"49", PitchHalf, 50},    {kPitchId, u"50", PitchHalf, 25},
      {kPitchId, u"200", PitchHalf, 100},  {kPitchId, u"201", PitchHalf, 50},
      {kPitchId, u"", PitchHalf, 50},      {kVolumeId, u"0", VolumeHalf, 0},
      {kVolumeId, u"100", VolumeHalf, 50}, {kVolumeId, u"101", VolumeHalf, 50},
      {kVolumeId, u"", VolumeHalf, 0},     {kVolumeId, u"-1", VolumeHalf, 50},
      {kVolumeId, u"75", VolumeHalf, 37},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " typed \"" << fake::Narrow(c.typed) << '"');
    ConfigHarness t;
    t.PutRecord(WithHalves(40, 40, 40) | kBit15);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      user.Erase(c.id);
      user.Type(c.id, c.typed);
      EXPECT_EQ(user.Text(c.id), WString(c.typed).substr(0, 3)) << "the text stays as typed";
      user.PressOk();
    });
    const std::uint32_t expected = c.half.Set(WithHalves(40, 40, 40) | kBit15, c.stored);
    EXPECT_EQ(t.Stored(u"ValSpeak"), expected);
  }
}

// Each keystroke stores: "1" and "15" are out of range, "150" is taken.
TEST_F(ConfigTest, SpeedTypedDigitByDigitStoresAtEveryKeystroke) {
  const std::pair<const WChar*, std::uint32_t> steps[] = {{u"1", 50}, {u"15", 50}, {u"150", 75}};
  for (const auto& [typed, half] : steps) {
    SCOPED_TRACE(fake::Narrow(typed));
    ConfigHarness t;
    t.PutRecord(WithHalves(60, 50, 50));
    t.RunProgram([typed](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      user.Erase(kSpeedId);
      user.Type(kSpeedId, typed);
      user.PressOk();
    });
    EXPECT_EQ(SpeedHalf.Get(t.Stored(u"ValSpeak")), half);
  }
}

TEST_F(ConfigTest, OutOfRangeStoredHalvesAreCorrectedOnOpening) {
  struct Case {
    std::uint32_t speed, pitch, volume;
    std::uint32_t keptSpeed, keptPitch, keptVolume;
  };
  const Case cases[] = {
      {50, 50, 60, 50, 50, 50},  // volume 120
      {9, 50, 50, 50, 50, 50},   {10, 25, 0, 10, 25, 0},   {250, 100, 50, 250, 100, 50},
      {251, 50, 50, 50, 50, 50}, {50, 24, 50, 50, 50, 50}, {50, 101, 50, 50, 50, 50},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.speed << '/' << c.pitch << '/' << c.volume);
    ConfigHarness t;
    t.PutRecord(WithHalves(c.speed, c.pitch, c.volume));
    t.RunProgram([](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValSpeak"), WithHalves(c.keptSpeed, c.keptPitch, c.keptVolume));
  }
}

TEST_F(ConfigTest, ReopenedSpeakPageShowsOddSpeedRoundedDown) {
  PutRecord();
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kSpeakTab);
    user.Erase(kSpeedId);
    user.Type(kSpeedId, u"1");
    user.SelectTab(1);
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Text(kSpeedId), u"100") << "1 is out of range: the default is stored";
    user.Erase(kSpeedId);
    user.Type(kSpeedId, u"155");
    user.SelectTab(1);
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Text(kSpeedId), u"154");
    user.PressOk();
  });
  EXPECT_EQ(SpeedHalf.Get(Stored(u"ValSpeak")), 77u);
}

TEST_F(ConfigTest, LanguageListOffersTheFifteenNamesOfTheStartUpLanguage) {
  const std::vector<WString> german = {
      u"Deutsch",         u"Englisch",          u"Französisch",         u"Spanisch",
      u"Italienisch",     u"Niederländisch",    u"Portugiesisch",       u"Schwedisch",
      u"Russisch",        u"Polnisch",          u"Chinesisch",          u"Deutsch/Englisch",
      u"Franz./Englisch", u"Spanisch/Englisch", u"Italienisch/Englisch"};
  PutRecord();
  RunProgram([&german](HeadlessWindowSystem& user) {
    user.SelectTab(0);
    user.ChooseItem(kDialogLanguageId, 1);  // English dialogs from now on
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Items(kSpeechLanguageId), german) << "names keep the start-up language";
    EXPECT_EQ(user.Selection(kSpeechLanguageId), 0);
    EXPECT_EQ(user.Text(kSpeedLabelId), u"Speed (20..500)");
    EXPECT_EQ(user.Text(kPitchLabelId), u"Pitch (50..200)");
    EXPECT_EQ(user.Text(kVolumeLabelId), u"Volume (0..100)");
    EXPECT_EQ(user.Text(kSpeechLanguageLabelId), u" Standard language");
    EXPECT_EQ(user.Text(kMaleVoiceId), u" German masculine voice");
  });
}

TEST_F(ConfigTest, EnglishStartShowsEnglishLanguageNames) {
  PutRecord(kDefaultSpeak | kEnglish);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kSpeakTab);
    const std::vector<WString> names = user.Items(kSpeechLanguageId);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names[2], u"French");
    EXPECT_EQ(names[11], u"German/English");
    EXPECT_EQ(names[14], u"Italian/English");
  });
}

TEST_F(ConfigTest, ChosenLanguageStoresListPositionAndTableNumber) {
  const std::pair<int, std::uint32_t> cases[] = {{0, 1}, {10, 651}, {11, 721}, {14, 14 * 64 + 20}};
  for (const auto& [line, stored] : cases) {
    SCOPED_TRACE(line);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutDword(kSettingsKey, u"ValUsedLang", 5 * 64 + 6);
    t.RunProgram([line](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      EXPECT_EQ(user.Selection(kSpeechLanguageId), 5);
      user.ChooseItem(kSpeechLanguageId, line);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValUsedLang"), stored);
  }
}

TEST_F(ConfigTest, LangListPosOutsideTheListSelectsNothingAndChangesNothing) {
  for (std::uint32_t usedLang : {15u * 64 + 1, 0xFFFFFFFFu}) {
    SCOPED_TRACE(usedLang);
    ConfigHarness t;
    t.PutRecord();
    t.registry.PutDword(kSettingsKey, u"ValUsedLang", usedLang);
    t.RunProgram([](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      EXPECT_EQ(user.Selection(kSpeechLanguageId), -1);
      user.PressOk();
    });
    EXPECT_EQ(t.Stored(u"ValUsedLang"), usedLang);
  }
}

TEST_F(ConfigTest, MasculineVoiceBoxWritesBit26Only) {
  PutRecord(kDefaultSpeak | kBit15);
  RunProgram([](HeadlessWindowSystem& user) {
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Check(kMaleVoiceId), 0);
    user.Click(kMaleVoiceId);
    user.PressOk();
  });
  EXPECT_EQ(Stored(u"ValSpeak"), kDefaultSpeak | kBit15 | (1u << 26));
}

}  // namespace
}  // namespace lectavo
