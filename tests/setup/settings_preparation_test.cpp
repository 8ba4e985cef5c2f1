#include "setup/settings_preparation.h"

#include <gtest/gtest.h>

#include <optional>

#include "settings/settings_store.h"
#include "tests/support/complete_record.h"
#include "tests/support/fake_registry.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeRegistry;

constexpr WStringView kKey = kSettingsKey;
constexpr WStringView kCard = u"\\Storage Card\\Lectavo";

// A record from an earlier installation, with values no default has.
void PutComplete(FakeRegistry& registry) {
  fake::PutRecord(registry,
                  {.speak = 0x08404040, .usedLang = 70, .langPath = u"\\Program Files\\Lectavo\\"});
}

bool WroteAnyOfTheSix(const FakeRegistry& registry) {
  for (const char* name : {"ValSpeak", "ValUsedLang", "StrAccounts", "ValWaitStart", "StrAddressCC",
                           "ValAnswerTime"}) {
    for (const std::string& call : registry.log) {
      if (call.rfind(std::string("SetValue ") + name + " ", 0) == 0) return true;
    }
  }
  return false;
}

struct RecordCase {
  const char* name;
  std::vector<WStringView> missing;  // "*" removes the whole key
  std::optional<std::uint32_t> speak, usedLang, waitStart, answerTime;
  std::optional<WString> accounts, addressCC;
  bool sixWritten;
};

void PrintTo(const RecordCase& c, std::ostream* out) { *out << c.name; }

class PrepareSettingsRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(PrepareSettingsRecordTest, DefaultsOnlyWhenTheLoadFails) {
  const RecordCase& c = GetParam();
  FakeRegistry registry;
  PutComplete(registry);
  for (WStringView name : c.missing) {
    if (name == u"*") {
      registry = FakeRegistry();
    } else {
      registry.Remove(kKey, name);
    }
  }

  PrepareSettings(registry, kCard);

  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), c.speak);
  EXPECT_EQ(registry.Dword(kKey, u"ValUsedLang"), c.usedLang);
  EXPECT_EQ(registry.Text(kKey, u"StrAccounts"), c.accounts);
  EXPECT_EQ(registry.Dword(kKey, u"ValWaitStart"), c.waitStart);
  EXPECT_EQ(registry.Text(kKey, u"StrAddressCC"), c.addressCC);
  EXPECT_EQ(registry.Dword(kKey, u"ValAnswerTime"), c.answerTime);
  EXPECT_EQ(WroteAnyOfTheSix(registry), c.sixWritten);
  EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), WString(u"\\Storage Card\\Lectavo\\"));
  EXPECT_EQ(registry.Dword(kKey, u"ValAlive"), 0u);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Records, PrepareSettingsRecordTest,
    ::testing::Values(
        RecordCase{"FirstInstall", {u"*"}, kDefaultSpeak, 1, 10, 3, u"", u"", true},
        RecordCase{"Reinstall", {}, 0x08404040, 70, 25, 7, u"Outlook\tFirma\t",
                   u"copy@example.org", false},
        RecordCase{"WaitStartMissing", {u"ValWaitStart"}, kDefaultSpeak, 1, 10, 3,
                   u"Outlook\tFirma\t", u"", true},
        // The load stops before StrAccounts, so the accounts are not among the loaded texts.
        RecordCase{"SpeakMissing", {u"ValSpeak"}, kDefaultSpeak, 1, 10, 3, u"", u"", true},
        RecordCase{"AnswerTimeMissing", {u"ValAnswerTime"}, 0x08404040, 70, 25, std::nullopt,
                   u"Outlook\tFirma\t", u"copy@example.org", false},
        RecordCase{"AddressCCMissing", {u"StrAddressCC"}, 0x08404040, 70, 25, 7,
                   u"Outlook\tFirma\t", std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(PrepareSettingsTest, FolderTooLongForTheSettingsPathLeavesThatValueAsItWas) {
  for (std::size_t length : {254u, 255u, 300u}) {
    FakeRegistry registry;
    PutComplete(registry);
    const WString folder = u"\\" + WString(length - 1, u'x');
    PrepareSettings(registry, folder);
    const auto langPath = registry.Text(kKey, u"StrLangPath");
    if (length == 254) {
      EXPECT_EQ(langPath, folder + u"\\") << "255 characters are the most a text holds";
    } else {
      EXPECT_EQ(langPath, WString(u"\\Program Files\\Lectavo\\")) << length;
    }
    EXPECT_EQ(registry.Dword(kKey, u"ValAlive"), 0u) << length;
  }
}

TEST(PrepareSettingsTest, FailedWritesAreIgnoredAndTheOtherWritesStillMade) {
  FakeRegistry registry;
  registry.faults.FailWhen("SetValue", [](WStringView name) { return name == u"ValSpeak"; });
  registry.faults.FailCall("CreateKey", 2);  // the key for StrLangPath
  PrepareSettings(registry, kCard);
  EXPECT_FALSE(registry.Dword(kKey, u"ValSpeak"));
  EXPECT_FALSE(registry.Text(kKey, u"StrLangPath"));
  EXPECT_EQ(registry.Dword(kKey, u"ValAlive"), 0u);
  EXPECT_EQ(registry.OpenKeys(), 0);
}

}  // namespace
}  // namespace lectavo
