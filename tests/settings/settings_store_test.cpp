#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/complete_record.h"
#include "tests/support/fake_registry.h"
#include "tests/support/text.h"

namespace lectavo {
namespace {

using fake::FakeRegistry;

constexpr WStringView kKey = kSettingsKey;

std::vector<std::uint8_t> Bytes(WStringView text) {
  std::vector<std::uint8_t> bytes(text.size() * sizeof(WChar));
  std::memcpy(bytes.data(), text.data(), bytes.size());
  return bytes;
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  // Every value of a complete record.
  void PutComplete() { fake::PutRecord(registry, {.accounts = u"Outlook\t"}); }

  FakeRegistry registry;
  SettingsStore store{registry};
  SettingsRecord record;
};

TEST_F(SettingsStoreTest, CompleteRecordLoadsEveryValue) {
  PutComplete();
  ASSERT_EQ(store.LoadSettings(record), 0);
  ASSERT_EQ(store.LoadLangPath(record), 0);
  EXPECT_EQ(record.ValSpeak, kDefaultSpeak);
  EXPECT_EQ(record.ValUsedLang, 651u);
  EXPECT_EQ(WString(record.StrAccounts), u"Outlook\t");
  EXPECT_EQ(record.ValWaitStart, 25u);
  EXPECT_EQ(record.ValAnswerTime, 7u);
  EXPECT_EQ(WString(record.StrAddressCC), u"copy@example.org");
  EXPECT_EQ(WString(record.StrLangPath), u"\\Storage Card\\Lectavo\\");
  EXPECT_EQ(record.ValAlive, 0u) << "LoadSettings never reads the heartbeat";
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsStoreTest, DeviceWithoutTheKeyFailsEveryLoadAndCreatesNothing) {
  TodaySettings today;
  LauncherSettings launcher;
  EXPECT_EQ(store.LoadSettings(record), 1);
  EXPECT_EQ(store.LoadLangPath(record), 1);
  EXPECT_EQ(store.LoadAlive(launcher), 1);
  EXPECT_EQ(store.LoadTodaySettings(today), 1);
  EXPECT_EQ(store.LoadLauncherSettings(launcher), 1);
  EXPECT_FALSE(registry.HasKey(kKey));
  for (const std::string& call : registry.log) {
    EXPECT_EQ(call.rfind("OpenKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x1", 0), 0u) << call;
  }
}

TEST_F(SettingsStoreTest, SaveCreatesTheKeyAndWritesTheSixValuesInOrder) {
  record.ValSpeak = kDefaultSpeak;
  record.ValUsedLang = 1;
  record.ValWaitStart = 10;
  record.ValAnswerTime = 3;
  record.ValAlive = 9;
  std::u16string_view(u"\\Card\\").copy(record.StrLangPath, 6);

  ASSERT_EQ(store.SaveSettings(record), 0);
  EXPECT_EQ(registry.log,
            (std::vector<std::string>{
                "CreateKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x20006", "SetValue ValSpeak 4",
                "SetValue ValUsedLang 4", "SetValue StrAccounts 2", "SetValue ValWaitStart 4",
                "SetValue StrAddressCC 2", "SetValue ValAnswerTime 4", "CloseKey"}));
  EXPECT_EQ(registry.Get(kKey, u"StrAddressCC")->type, kRegSz);
  EXPECT_EQ(registry.Get(kKey, u"StrAddressCC")->bytes, std::vector<std::uint8_t>(2, 0));
  EXPECT_EQ(registry.Get(kKey, u"ValSpeak")->type, kRegDword);
  EXPECT_FALSE(registry.Get(kKey, u"StrLangPath")) << "never part of SaveSettings";
  EXPECT_FALSE(registry.Get(kKey, u"ValAlive")) << "never part of SaveSettings";
}

TEST_F(SettingsStoreTest, MissingOptionalValuesLoadAsDefaultsAndTheNextSaveAddsThem) {
  PutComplete();
  registry.Remove(kKey, u"ValAnswerTime");
  registry.Remove(kKey, u"StrAddressCC");
  record.ValAnswerTime = 99;
  std::u16string_view(u"stale").copy(record.StrAddressCC, 5);

  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValAnswerTime, 3u);
  EXPECT_EQ(WString(record.StrAddressCC), u"");

  ASSERT_EQ(store.SaveSettings(record), 0);
  EXPECT_EQ(registry.Dword(kKey, u"ValAnswerTime"), 3u);
  EXPECT_EQ(registry.Text(kKey, u"StrAddressCC"), u"");
}

TEST_F(SettingsStoreTest, ShortTextsLoadInFull) {
  PutComplete();
  registry.PutText(kKey, u"StrAccounts", u"0123456789");
  registry.PutText(kKey, u"StrAddressCC", WString(40, u'a'));
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(WString(record.StrAccounts), u"0123456789");
  EXPECT_EQ(WString(record.StrAddressCC), WString(40, u'a'));
}

TEST_F(SettingsStoreTest, TextsOf255CharactersLoadAnd256Fail) {
  const WString fits(255, u'x');
  const WString tooLong(256, u'y');
  PutComplete();
  registry.PutText(kKey, u"StrAccounts", fits);
  registry.PutText(kKey, u"StrAddressCC", fits);
  registry.PutText(kKey, u"StrLangPath", fits);
  ASSERT_EQ(store.LoadSettings(record), 0);
  ASSERT_EQ(store.LoadLangPath(record), 0);
  EXPECT_EQ(WString(record.StrAccounts), fits);
  EXPECT_EQ(WString(record.StrAddressCC), fits);
  EXPECT_EQ(WString(record.StrLangPath), fits);

  registry.PutText(kKey, u"StrLangPath", tooLong);
  EXPECT_EQ(store.LoadLangPath(record), 1);
  registry.PutText(kKey, u"StrAddressCC", tooLong);
  ASSERT_EQ(store.LoadSettings(record), 0) << "an unreadable StrAddressCC is no failure";
  EXPECT_EQ(WString(record.StrAddressCC), u"");
  registry.PutText(kKey, u"StrAccounts", tooLong);
  EXPECT_EQ(store.LoadSettings(record), 1);
}

// The table's sizes are what the loads read: a value of that many bytes, terminator included
// for a text, loads; one character more fails.
TEST_F(SettingsStoreTest, EveryValueReadsUpToTheSizeInTheTable) {
  for (const RecordValue& value : kRecordValues) {
    for (const std::uint32_t extra : {0u, static_cast<std::uint32_t>(sizeof(WChar))}) {
      SCOPED_TRACE(testing::Message() << fake::Narrow(value.name) << " + " << extra);
      std::vector<std::uint8_t> bytes(value.bytes + extra, 0x41);
      if (value.type == kTextType) bytes[bytes.size() - 1] = bytes[bytes.size() - 2] = 0;
      registry.PutRaw(kKey, value.name, value.type == kTextType ? kRegSz : kRegDword, bytes);
      std::uint32_t number = 0;
      WChar text[kMaxTextLength + 1] = {};
      const int result = value.type == kTextType ? store.LoadText(value.name, text)
                                                        : store.LoadDword(value.name, number);
      EXPECT_EQ(result, extra == 0 ? 0 : 1);
    }
  }
}

TEST_F(SettingsStoreTest, DwordStoredWithEightBytesFailsToRead) {
  PutComplete();
  registry.PutRaw(kKey, u"ValAnswerTime", kRegDword, std::vector<std::uint8_t>(8, 1));
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValAnswerTime, 3u);

  registry.PutRaw(kKey, u"ValWaitStart", kRegDword, std::vector<std::uint8_t>(8, 1));
  EXPECT_EQ(store.LoadSettings(record), 1);
}

TEST_F(SettingsStoreTest, StoredTypeIsNotExamined) {
  PutComplete();
  registry.PutRaw(kKey, u"ValSpeak", 3 /* REG_BINARY */, {0x32, 0x32, 0x32, 0xE8});
  registry.PutRaw(kKey, u"StrAccounts", 7 /* REG_MULTI_SZ */, Bytes(WStringView(u"A\tB\t\0", 5)));
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValSpeak, kDefaultSpeak);
  EXPECT_EQ(WString(record.StrAccounts), u"A\tB\t");
}

TEST_F(SettingsStoreTest, LoadStopsAtTheFirstMissingRequiredValue) {
  struct Case {
    const char16_t* missing;
    bool speakRead, usedLangRead, accountsRead;
  };
  for (const Case& c :
       {Case{u"ValSpeak", false, false, false}, Case{u"ValUsedLang", true, false, false},
        Case{u"StrAccounts", true, true, false}, Case{u"ValWaitStart", true, true, true}}) {
    SCOPED_TRACE(fake::Narrow(c.missing));
    FakeRegistry registry;
    SettingsStore store(registry);
    registry.PutDword(kKey, u"ValSpeak", 0x00400000);
    registry.PutDword(kKey, u"ValUsedLang", 721);
    registry.PutText(kKey, u"StrAccounts", u"A\t");
    registry.PutDword(kKey, u"ValWaitStart", 5);
    registry.PutDword(kKey, u"ValAnswerTime", 8);
    registry.PutText(kKey, u"StrAddressCC", u"cc");
    registry.Remove(kKey, c.missing);

    SettingsRecord record;
    record.ValSpeak = record.ValUsedLang = record.ValWaitStart = record.ValAnswerTime = 77;
    std::u16string_view(u"old").copy(record.StrAccounts, 3);
    std::u16string_view(u"old").copy(record.StrAddressCC, 3);

    EXPECT_EQ(store.LoadSettings(record), 1);
    EXPECT_EQ(record.ValSpeak, c.speakRead ? 0x00400000u : 77u);
    EXPECT_EQ(record.ValUsedLang, c.usedLangRead ? 721u : 77u);
    EXPECT_EQ(WString(record.StrAccounts), c.accountsRead ? u"A\t" : u"old");
    EXPECT_EQ(record.ValWaitStart, 77u);
    EXPECT_EQ(record.ValAnswerTime, 77u);
    EXPECT_EQ(WString(record.StrAddressCC), u"old");
    EXPECT_EQ(registry.OpenKeys(), 0) << "the key is closed on failure";
  }
}

TEST_F(SettingsStoreTest, SaveFailingAtItsFourthWriteKeepsTheFirstThree) {
  PutComplete();
  record.ValSpeak = 1;
  record.ValUsedLang = 2;
  std::u16string_view(u"New\t").copy(record.StrAccounts, 4);
  record.ValWaitStart = 4;
  record.ValAnswerTime = 5;
  registry.faults.FailCall("SetValue", 4);

  EXPECT_EQ(store.SaveSettings(record), 1);
  EXPECT_EQ(registry.Dword(kKey, u"ValSpeak"), 1u);
  EXPECT_EQ(registry.Dword(kKey, u"ValUsedLang"), 2u);
  EXPECT_EQ(registry.Text(kKey, u"StrAccounts"), u"New\t");
  EXPECT_EQ(registry.Dword(kKey, u"ValWaitStart"), 25u);
  EXPECT_EQ(registry.Text(kKey, u"StrAddressCC"), u"copy@example.org");
  EXPECT_EQ(registry.Dword(kKey, u"ValAnswerTime"), 7u);
  EXPECT_EQ(registry.faults.Calls("SetValue"), 4) << "no write after the failing one";
  EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(SettingsStoreTest, SavesFailWhenTheKeyCannotBeCreated) {
  registry.faults.FailAlways("CreateKey");
  EXPECT_EQ(store.SaveSettings(record), 1);
  EXPECT_EQ(store.SaveLangPath(record), 1);
  EXPECT_EQ(store.SaveAlive(record), 1);
  EXPECT_FALSE(registry.HasKey(kKey));
}

TEST_F(SettingsStoreTest, LangPathAndAliveAreSavedAloneWithWriteAccess) {
  std::u16string_view(u"\\Storage Card\\Lectavo\\").copy(record.StrLangPath, 22);
  record.ValAlive = 0;
  ASSERT_EQ(store.SaveLangPath(record), 0);
  ASSERT_EQ(store.SaveAlive(record), 0);
  EXPECT_EQ(
      registry.log,
      (std::vector<std::string>{
          "CreateKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x20006", "SetValue StrLangPath 46", "CloseKey",
          "CreateKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x20006", "SetValue ValAlive 4", "CloseKey"}));
  EXPECT_EQ(registry.Text(kKey, u"StrLangPath"), u"\\Storage Card\\Lectavo\\");
  EXPECT_EQ(registry.Dword(kKey, u"ValAlive"), 0u);
}

TEST_F(SettingsStoreTest, TextWithoutTerminatorOrWithOddByteCountStaysTerminated) {
  PutComplete();
  SettingsRecord dirty;
  std::fill(std::begin(dirty.StrAccounts), std::end(dirty.StrAccounts), u'#');
  std::fill(std::begin(dirty.StrAddressCC), std::end(dirty.StrAddressCC), u'#');
  std::fill(std::begin(dirty.StrLangPath), std::end(dirty.StrLangPath), u'#');
  registry.PutRaw(kKey, u"StrAccounts", kRegSz, Bytes(u"Konto\t"));  // no terminator
  auto odd = Bytes(u"cc@x");
  odd.push_back('!');  // half a character at the end
  registry.PutRaw(kKey, u"StrAddressCC", kRegSz, odd);
  registry.PutRaw(kKey, u"StrLangPath", kRegSz, Bytes(WString(255, u'p')));

  ASSERT_EQ(store.LoadSettings(dirty), 0);
  ASSERT_EQ(store.LoadLangPath(dirty), 0);
  EXPECT_EQ(WString(dirty.StrAccounts), u"Konto\t");
  EXPECT_EQ(WString(dirty.StrAddressCC), u"cc@x");
  EXPECT_EQ(WString(dirty.StrLangPath), WString(255, u'p'));

  // 256 characters without a terminator fill the whole buffer: too long, like 256 with one.
  registry.PutRaw(kKey, u"StrLangPath", kRegSz, Bytes(WString(256, u'q')));
  EXPECT_EQ(store.LoadLangPath(dirty), 1);
  EXPECT_EQ(WString(dirty.StrLangPath), WString(255, u'p'));
  // A single byte gives no character at all.
  registry.PutRaw(kKey, u"StrAccounts", kRegSz, {'A'});
  ASSERT_EQ(store.LoadSettings(dirty), 0);
  EXPECT_EQ(WString(dirty.StrAccounts), u"");
}

TEST_F(SettingsStoreTest, TodayAndLauncherLoadsReadTheirValuesInOrderAndStopAtTheFirstGap) {
  PutComplete();
  TodaySettings today;
  LauncherSettings launcher;
  ASSERT_EQ(store.LoadTodaySettings(today), 0);
  EXPECT_EQ(today.ValSpeak, kDefaultSpeak);
  EXPECT_EQ(today.ValUsedLang, 651u);
  EXPECT_EQ(WString(today.StrAccounts), u"Outlook\t");
  ASSERT_EQ(store.LoadLauncherSettings(launcher), 0);
  EXPECT_EQ(launcher.ValWaitStart, 25u);
  EXPECT_EQ(launcher.ValAlive, 0u) << "the heartbeat has a load of its own";

  registry.log.clear();
  registry.Remove(kKey, u"StrAccounts");
  LauncherSettings partial;
  partial.ValWaitStart = 10;
  EXPECT_EQ(store.LoadLauncherSettings(partial), 1);
  EXPECT_EQ(partial.ValSpeak, kDefaultSpeak);
  EXPECT_EQ(partial.ValUsedLang, 651u);
  EXPECT_EQ(partial.ValWaitStart, 10u);
  EXPECT_EQ(registry.log,
            (std::vector<std::string>{"OpenKey SOFTWARE\\ORBA-GMBH\\Lectavo\\ 0x1",
                                      "QueryValue ValSpeak 4", "QueryValue ValUsedLang 4",
                                      "QueryValue StrAccounts 512", "CloseKey"}));
  EXPECT_EQ(store.LoadTodaySettings(today), 1);
}

TEST_F(SettingsStoreTest, LoadAliveReadsTheHeartbeatAndKeepsItWhenUnreadable) {
  PutComplete();
  LauncherSettings launcher;
  ASSERT_EQ(store.LoadAlive(launcher), 0);
  EXPECT_EQ(launcher.ValAlive, 42u);
  registry.Remove(kKey, u"ValAlive");
  EXPECT_EQ(store.LoadAlive(launcher), 1);
  EXPECT_EQ(launcher.ValAlive, 42u);
}

}  // namespace
}  // namespace lectavo
