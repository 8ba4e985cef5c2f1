// The Speak page: numbers shown doubled and stored halved, their ranges, the corrections made
// on opening, the language list and ValUsedLang, the masculine voice.
#include "config/general_page_controls.h"
#include "config/speak_page_controls.h"
#include "tests/config/config_fixture.h"

namespace lectavo {
namespace {

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

// The fields take digits only from the keyboard; a paste reaches them unfiltered.
TEST_F(ConfigTest, EnteredSpeakValuesAreStoredHalvedWithinTheirRanges) {
  enum How { kTyped, kPasted };
  struct Case {
    int id;
    How how;
    const WChar* entered;
    const WChar* shown;
    BitField half;
    std::uint32_t stored;
  };
  const Case cases[] = {
      {kSpeedId, kTyped, u"155", u"155", SpeedHalf, 77},
      {kSpeedId, kTyped, u"19", u"19", SpeedHalf, 50},
      {kSpeedId, kTyped, u"20", u"20", SpeedHalf, 10},
      {kSpeedId, kTyped, u"500", u"500", SpeedHalf, 250},
      {kSpeedId, kTyped, u"501", u"501", SpeedHalf, 50},
      {kSpeedId, kTyped, u"", u"", SpeedHalf, 50},
      {kSpeedId, kTyped, u"5000", u"500", SpeedHalf, 250},  // cut by the field
      {kSpeedId, kTyped, u"-2x0", u"20", SpeedHalf, 10},    // only the digits arrive
      {kSpeedId, kPasted, u"-20", u"-20", SpeedHalf, 50},   // a negative number is too large
      {kSpeedId, kPasted, u"5000", u"500", SpeedHalf, 250},
      {kPitchId, kTyped, u"49", u"49", PitchHalf, 50},
      {kPitchId, kTyped, u"50", u"50", PitchHalf, 25},
      {kPitchId, kTyped, u"200", u"200", PitchHalf, 100},
      {kPitchId, kTyped, u"201", u"201", PitchHalf, 50},
      {kPitchId, kTyped, u"", u"", PitchHalf, 50},
      {kPitchId, kPasted, u"1e2", u"1e2", PitchHalf, 50},  // read as 1
      {kPitchId, kPasted, u"80\r\n9", u"80", PitchHalf, 40},
      {kVolumeId, kTyped, u"0", u"0", VolumeHalf, 0},
      {kVolumeId, kTyped, u"100", u"100", VolumeHalf, 50},
      {kVolumeId, kTyped, u"101", u"101", VolumeHalf, 50},
      {kVolumeId, kTyped, u"", u"", VolumeHalf, 0},
      {kVolumeId, kTyped, u"75", u"75", VolumeHalf, 37},
      {kVolumeId, kPasted, u"-1", u"-1", VolumeHalf, 50},
      {kVolumeId, kPasted, u" 75", u" 75", VolumeHalf, 37},  // leading blanks are skipped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << (c.how == kTyped ? " typed \"" : " pasted \"")
                                    << fake::Narrow(c.entered) << '"');
    ConfigHarness t;
    t.PutRecord(WithHalves(40, 40, 40) | kBit15);
    t.RunProgram([&c](HeadlessWindowSystem& user) {
      user.SelectTab(kSpeakTab);
      user.Erase(c.id);
      if (c.how == kTyped) user.Type(c.id, c.entered);
      if (c.how == kPasted) user.Paste(c.id, c.entered);
      EXPECT_EQ(user.Text(c.id), c.shown) << "the text stays as entered";
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
    user.SelectTab(kReadTab);
    user.SelectTab(kSpeakTab);
    EXPECT_EQ(user.Text(kSpeedId), u"100") << "1 is out of range: the default is stored";
    user.Erase(kSpeedId);
    user.Type(kSpeedId, u"155");
    user.SelectTab(kReadTab);
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
    user.SelectTab(kGeneralTab);
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
