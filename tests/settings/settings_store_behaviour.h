// The settings store on a registry, as one typed test that runs against the fake registry
// natively and against Wine's real registry (tests/wine/settings): the same cases prove the
// fake. Instantiate it in one source of a test program with a backend type B that offers
// Registry& Role() on a registry without the settings key.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "settings/settings_store.h"

namespace lectavo::conformance {

template <class B>
class SettingsStoreBehaviourTest : public ::testing::Test {
 protected:
  Registry& registry() { return backend.Role(); }

  void Put(WStringView name, std::uint32_t type, const void* data, std::uint32_t size) {
    Handle key = kNoHandle;
    ASSERT_TRUE(registry().CreateKey(kSettingsKey, kKeyWrite, &key));
    EXPECT_TRUE(registry().SetValue(key, name, type, data, size));
    registry().CloseKey(key);
  }
  void PutText(WStringView name, const WString& text) {
    Put(name, kRegSz, text.c_str(), static_cast<std::uint32_t>((text.size() + 1) * sizeof(WChar)));
  }
  bool KeyExists() {
    Handle key = kNoHandle;
    if (!registry().OpenKey(kSettingsKey, kKeyQueryValue, &key)) return false;
    registry().CloseKey(key);
    return true;
  }
  // Type and size of a stored value, read straight from the registry.
  std::pair<std::uint32_t, std::uint32_t> Stored(WStringView name) {
    Handle key = kNoHandle;
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    std::uint8_t bytes[1024];
    if (!registry().OpenKey(kSettingsKey, kKeyQueryValue, &key)) return {0, 0};
    if (!registry().QueryValue(key, name, &type, bytes, &size)) type = size = 0;
    registry().CloseKey(key);
    return {type, size};
  }
  void PutRequired() {
    SettingsRecord required;
    required.ValSpeak = kDefaultSpeak;
    required.ValUsedLang = 1;
    required.ValWaitStart = 10;
    ASSERT_EQ(store.SaveSettings(required), 0);
  }

  B backend;
  SettingsStore store{backend.Role()};
};

TYPED_TEST_SUITE_P(SettingsStoreBehaviourTest);

TYPED_TEST_P(SettingsStoreBehaviourTest, EveryValueSurvivesARoundTrip) {
  SettingsStore& store = this->store;
  SettingsRecord saved;
  saved.ValSpeak = 0x8FFFFFFF;
  saved.ValUsedLang = 721;
  std::u16string_view(u"Outlook\tFirma\t").copy(saved.StrAccounts, 14);
  saved.ValWaitStart = 99;
  std::u16string_view(u"kopie@example.org").copy(saved.StrAddressCC, 17);
  saved.ValAnswerTime = 10;
  std::u16string_view(u"C:\\Speicherkarte\\Lectavo\\").copy(saved.StrLangPath, 25);
  saved.ValAlive = 0x7FFFFFFF;
  ASSERT_EQ(store.SaveSettings(saved), 0);
  ASSERT_EQ(store.SaveLangPath(saved), 0);
  ASSERT_EQ(store.SaveAlive(saved), 0);

  SettingsRecord loaded;
  LauncherSettings launcher;
  ASSERT_EQ(store.LoadSettings(loaded), 0);
  ASSERT_EQ(store.LoadLangPath(loaded), 0);
  ASSERT_EQ(store.LoadAlive(launcher), 0);
  EXPECT_EQ(loaded.ValSpeak, saved.ValSpeak);
  EXPECT_EQ(loaded.ValUsedLang, saved.ValUsedLang);
  EXPECT_EQ(WString(loaded.StrAccounts), WString(saved.StrAccounts));
  EXPECT_EQ(loaded.ValWaitStart, saved.ValWaitStart);
  EXPECT_EQ(WString(loaded.StrAddressCC), WString(saved.StrAddressCC));
  EXPECT_EQ(loaded.ValAnswerTime, saved.ValAnswerTime);
  EXPECT_EQ(WString(loaded.StrLangPath), WString(saved.StrLangPath));
  EXPECT_EQ(launcher.ValAlive, 0x7FFFFFFFu);

  using Stored = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(this->Stored(u"ValSpeak"), Stored(kRegDword, 4));
  EXPECT_EQ(this->Stored(u"StrAccounts"), Stored(kRegSz, 30));
  EXPECT_EQ(this->Stored(u"StrLangPath"), Stored(kRegSz, 52));
}

TYPED_TEST_P(SettingsStoreBehaviourTest, EmptyTextIsStoredAsTheTerminatorAlone) {
  this->PutRequired();
  using Stored = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(this->Stored(u"StrAddressCC"), Stored(kRegSz, 2));
  EXPECT_EQ(this->Stored(u"StrAccounts"), Stored(kRegSz, 2));
}

TYPED_TEST_P(SettingsStoreBehaviourTest, LoadsNeverCreateTheKey) {
  SettingsStore& store = this->store;
  SettingsRecord record;
  TodaySettings today;
  LauncherSettings launcher;
  const std::function<int()> loads[] = {
      [&] { return store.LoadSettings(record); },
      [&] { return store.LoadLangPath(record); },
      [&] { return store.LoadTodaySettings(today); },
      [&] { return store.LoadLauncherSettings(launcher); },
      [&] { return store.LoadAlive(launcher); },
  };
  for (const auto& load : loads) EXPECT_EQ(load(), 1);
  EXPECT_FALSE(this->KeyExists());
  EXPECT_EQ(store.SaveSettings(record), 0);
  EXPECT_TRUE(this->KeyExists());
}

TYPED_TEST_P(SettingsStoreBehaviourTest, TextOf256CharactersIsRejectedAnd255Accepted) {
  SettingsStore& store = this->store;
  this->PutRequired();
  SettingsRecord record;
  this->PutText(u"StrLangPath", WString(255, u'x'));
  ASSERT_EQ(store.LoadLangPath(record), 0);
  EXPECT_EQ(WString(record.StrLangPath), WString(255, u'x'));

  this->PutText(u"StrLangPath", WString(256, u'y'));
  EXPECT_EQ(store.LoadLangPath(record), 1);
  EXPECT_EQ(WString(record.StrLangPath), WString(255, u'x')) << "a failed read changes nothing";

  this->PutText(u"StrAccounts", WString(256, u'z'));
  EXPECT_EQ(store.LoadSettings(record), 1);
}

TYPED_TEST_P(SettingsStoreBehaviourTest, DwordStoredWithEightBytesIsRejected) {
  SettingsStore& store = this->store;
  constexpr std::uint32_t kRegBinary = 3;
  constexpr std::uint32_t kRegQword = 11;
  this->PutRequired();
  const unsigned long long wide = 5;
  this->Put(u"ValWaitStart", kRegQword, &wide, sizeof wide);
  SettingsRecord record;
  EXPECT_EQ(store.LoadSettings(record), 1);

  this->PutRequired();
  this->Put(u"ValAnswerTime", kRegBinary, &wide, sizeof wide);
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValAnswerTime, 3u);
}

TYPED_TEST_P(SettingsStoreBehaviourTest, TextWithoutTerminatorOrWithOddByteCountStaysTerminated) {
  this->PutRequired();
  const WChar accounts[] = {u'K', u'o', u'n', u't', u'o', u'\t'};
  this->Put(u"StrAccounts", kRegSz, accounts, sizeof accounts);
  const char odd[] = {'c', 0, 'c', 0, '!'};
  this->Put(u"StrAddressCC", kRegSz, odd, sizeof odd);

  SettingsRecord record;
  std::fill(std::begin(record.StrAccounts), std::end(record.StrAccounts), u'#');
  std::fill(std::begin(record.StrAddressCC), std::end(record.StrAddressCC), u'#');
  ASSERT_EQ(this->store.LoadSettings(record), 0);
  EXPECT_EQ(WString(record.StrAccounts), u"Konto\t");
  EXPECT_EQ(WString(record.StrAddressCC), u"cc");
}

REGISTER_TYPED_TEST_SUITE_P(SettingsStoreBehaviourTest, EveryValueSurvivesARoundTrip,
                            EmptyTextIsStoredAsTheTerminatorAlone, LoadsNeverCreateTheKey,
                            TextOf256CharactersIsRejectedAnd255Accepted,
                            DwordStoredWithEightBytesIsRejected,
                            TextWithoutTerminatorOrWithOddByteCountStaysTerminated);

}  // namespace lectavo::conformance
