#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "inspector/settings_change.h"
#include "inspector/settings_report.h"
#include "inspector/settings_value.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_code_page.h"
#include "tests/support/fake_registry.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::Narrow;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr WStringView kKey = kSettingsKey;

class InspectorTest : public ::testing::Test {
 protected:
  void PutDefaults() {
    fake::PutRecord(registry, fake::InstallRecord(kDefaultSpeak, u"\\Storage Card\\Lectavo\\"));
  }

  // The report with runs of blanks folded, so lines compare regardless of alignment.
  std::vector<std::string> Report() {
    std::vector<std::string> lines;
    for (const WString& line : DescribeSettings(store, codePage)) {
      std::string folded;
      for (char c : Narrow(line)) {
        if (c != ' ' || folded.empty() || folded.back() != ' ') folded += c;
      }
      lines.push_back(folded);
    }
    return lines;
  }

  ChangeOutcome Set(WStringView name, std::vector<WString> values) {
    return ChangeSetting(store, name, values);
  }

  fake::FakeRegistry registry;
  fake::FakeCodePage codePage;
  SettingsStore store{registry};
};

TEST_F(InspectorTest, InstallDefaultsAreDecodedByName) {
  PutDefaults();
  const auto lines = Report();
  for (const char* expected :
       {"ValSpeak 0xE8323232", " Speed 100", " Pitch 100", " Volume 100", " FlagDialogEnglish 0",
        " FlagReadOn 1", " FlagReadUnasked 0", " FlagReadContents 1", "ValUsedLang 1",
        " Language Deutsch / German", "StrAccounts (no account chosen)", "ValWaitStart 10 s",
        "ValAnswerTime 3 min", "StrAddressCC (empty)", "StrLangPath \"\\Storage Card\\Lectavo\\\"",
        "ValAlive 0"}) {
    EXPECT_THAT(lines, Contains(std::string(expected)));
  }
  for (const std::string& line : lines) {
    EXPECT_THAT(line, Not(HasSubstr("OUT OF RANGE")));
    EXPECT_THAT(line, Not(HasSubstr("MISSING")));
  }
}

TEST_F(InspectorTest, MissingAndOutOfRangeValuesAreMarked) {
  PutDefaults();
  registry.PutDword(kKey, kValSpeak, VolumeHalf.Set(kDefaultSpeak, 60));
  registry.PutDword(kKey, kValUsedLang, LangListPos.Set(LangNumber.Set(0, 17), 3));
  registry.PutText(kKey, kStrAccounts, u"Outlook\tFirma");
  registry.Remove(kKey, kValWaitStart);
  registry.PutDword(kKey, kValAnswerTime, 0);
  registry.Remove(kKey, kStrAddressCC);
  registry.PutText(kKey, kStrLangPath, WString(256, u'x'));
  const auto lines = Report();
  for (const char* expected :
       {" Volume 120 OUT OF RANGE (0..100)",
        " Language Deutsch/Englisch / German/English OUT OF RANGE (list position does not match)",
        "StrAccounts one account per line:", " Account \"Outlook\"",
        " Account \"Firma\" (no closing TAB)", "ValWaitStart MISSING",
        "ValAnswerTime 0 min OUT OF RANGE (1..10)", "StrAddressCC MISSING (taken as empty)",
        "StrLangPath MISSING"}) {
    EXPECT_THAT(lines, Contains(std::string(expected)));
  }
}

TEST_F(InspectorTest, SettingAFlagChangesThatBitAndSavesTheWholeSet) {
  PutDefaults();
  registry.Remove(kKey, kValAnswerTime);
  const ChangeOutcome outcome = Set(u"FlagReadOn", {u"0"});
  EXPECT_TRUE(outcome.done) << Narrow(outcome.message);
  EXPECT_EQ(registry.Dword(kKey, kValSpeak), kDefaultSpeak & ~(1u << 27));
  EXPECT_EQ(registry.Dword(kKey, kValAnswerTime), 3u) << "the whole set is saved, as programs do";

  EXPECT_TRUE(Set(u"SpeedHalf", {u"0x4B"}).done);
  EXPECT_EQ(SpeedHalf.Get(*registry.Dword(kKey, kValSpeak)), 75u);
  EXPECT_TRUE(Set(u"LangListPos", {u"11"}).done);
  EXPECT_EQ(registry.Dword(kKey, kValUsedLang), 11u * 64 + 1);
}

TEST_F(InspectorTest, TextsAreStoredAsTheProgramsStoreThem) {
  PutDefaults();
  EXPECT_TRUE(Set(u"StrAccounts", {u"Outlook", u"Firma"}).done);
  EXPECT_EQ(registry.Text(kKey, kStrAccounts), u"Outlook\tFirma\t");
  EXPECT_TRUE(Set(u"StrAccounts", {}).done);
  EXPECT_EQ(registry.Text(kKey, kStrAccounts), u"");
  EXPECT_TRUE(Set(u"StrAddressCC", {u"cc@example.org"}).done);
  EXPECT_EQ(registry.Text(kKey, kStrAddressCC), u"cc@example.org");
}

TEST_F(InspectorTest, UnfitValuesAreRefusedAndNothingIsWritten) {
  PutDefaults();
  const auto before = registry.Dword(kKey, kValSpeak);
  struct Case {
    const char16_t* name;
    std::vector<WString> values;
  };
  for (const Case& c :
       {Case{u"SpeedHalf", {u"256"}}, Case{u"FlagReadOn", {u"2"}}, Case{u"FlagReadOn", {u"yes"}},
        Case{u"FlagReadOn", {}}, Case{u"ValWaitStart", {u"0x100000000"}},
        Case{u"NoSuchValue", {u"1"}}, Case{u"StrAddressCC", {WString(256, u'a')}},
        Case{u"StrAccounts", {WString(200, u'a'), WString(60, u'b')}}}) {
    SCOPED_TRACE(Narrow(c.name));
    EXPECT_FALSE(Set(c.name, c.values).done);
  }
  EXPECT_EQ(registry.Dword(kKey, kValSpeak), before);
  EXPECT_EQ(registry.faults.Calls("SetValue"), 0);
}

TEST_F(InspectorTest, IncompleteRecordIsNotOverwrittenButLangPathAndAliveStandAlone) {
  registry.PutDword(kKey, kValSpeak, kDefaultSpeak);
  const ChangeOutcome refused = Set(u"FlagReadOn", {u"0"});
  EXPECT_FALSE(refused.done);
  EXPECT_THAT(Narrow(refused.message), HasSubstr("required value"));
  EXPECT_EQ(registry.faults.Calls("SetValue"), 0);

  EXPECT_TRUE(Set(u"StrLangPath", {u"C:\\Lectavo\\"}).done);
  EXPECT_TRUE(Set(u"ValAlive", {u"0x7FFFFFFF"}).done);
  EXPECT_EQ(registry.Text(kKey, kStrLangPath), u"C:\\Lectavo\\");
  EXPECT_EQ(registry.Dword(kKey, kValAlive), 0x7FFFFFFFu);
}

TEST_F(InspectorTest, FailedSaveIsReported) {
  PutDefaults();
  registry.faults.FailAlways("SetValue");
  EXPECT_FALSE(Set(u"FlagReadOn", {u"0"}).done);
}

// The Speak page keeps each half in its range and replaces any other when it opens: set takes
// a half or the shown value inside that range only (raw for support), and get reads it back.
TEST_F(InspectorTest, HalvedFieldsAreTakenOnlyInsideTheSpeakPagesRange) {
  struct Case {
    const char16_t* name;
    const char16_t* value;
    bool raw;
    std::optional<std::uint32_t> storedHalf;  // none: refused
  };
  for (const Case& c : {Case{u"SpeedHalf", u"9", false, {}}, Case{u"SpeedHalf", u"10", false, 10},
                        Case{u"SpeedHalf", u"250", false, 250},
                        Case{u"SpeedHalf", u"251", false, {}}, Case{u"Speed", u"19", false, {}},
                        Case{u"Speed", u"21", false, 10}, Case{u"Speed", u"500", false, 250},
                        Case{u"Speed", u"501", true, {}}, Case{u"PitchHalf", u"24", false, {}},
                        Case{u"PitchHalf", u"100", false, 100}, Case{u"VolumeHalf", u"0", false, 0},
                        Case{u"VolumeHalf", u"51", false, {}}, Case{u"SpeedHalf", u"5", true, 5}}) {
    SCOPED_TRACE(Narrow(c.name) + " " + Narrow(c.value) + (c.raw ? " raw" : ""));
    PutDefaults();
    const ChangeOutcome outcome = ChangeSetting(store, c.name, {c.value}, c.raw);
    EXPECT_EQ(outcome.done, c.storedHalf.has_value()) << Narrow(outcome.message);
    const WString half = WString(c.name).ends_with(u"Half") ? c.name : WString(c.name) + u"Half";
    const ValueOutcome read = ReadSetting(store, half);
    EXPECT_EQ(Narrow(read.text), std::to_string(c.storedHalf.value_or(50)));
  }
  PutDefaults();
  EXPECT_EQ(Narrow(ReadSetting(store, u"Pitch").text), "100") << "shown as the page shows it";
  EXPECT_FALSE(ReadSetting(store, u"Nonsense").found);
  registry.Remove(kKey, kValAlive);
  EXPECT_FALSE(ReadSetting(store, u"ValAlive").found);
}

}  // namespace
}  // namespace lectavo
