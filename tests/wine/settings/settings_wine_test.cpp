// The settings store against Wine's real registry, with the same cases the fake registry is
// trusted with.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_roles.h"
#include "settings/settings_store.h"

namespace lectavo {
namespace {

const wchar_t* const kKeyPath = L"SOFTWARE\\ORBA-GMBH\\Lectavo\\";

class SettingsWineTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH"); }

  static bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
      return false;
    }
    RegCloseKey(key);
    return true;
  }

  static void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }

  static void PutText(const wchar_t* name, const std::wstring& text) {
    Put(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  // Type and size of a stored value, read straight from the registry.
  static std::pair<DWORD, DWORD> Stored(const wchar_t* name) {
    DWORD type = 0;
    DWORD size = 0;
    RegGetValueW(HKEY_LOCAL_MACHINE, kKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                 &size);
    return {type, size};
  }

  void PutRequired() {
    SettingsRecord record;
    record.ValSpeak = kDefaultSpeak;
    record.ValUsedLang = 1;
    record.ValWaitStart = 10;
    ASSERT_EQ(store.SaveSettings(record), 0);
  }

  Win32Registry registry;
  SettingsStore store{registry};
};

TEST_F(SettingsWineTest, EveryValueSurvivesARoundTrip) {
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

  EXPECT_EQ(Stored(L"ValSpeak"), std::make_pair(DWORD{REG_DWORD}, DWORD{4}));
  EXPECT_EQ(Stored(L"StrAccounts"), std::make_pair(DWORD{REG_SZ}, DWORD{30}));
  EXPECT_EQ(Stored(L"StrLangPath"), std::make_pair(DWORD{REG_SZ}, DWORD{52}));
}

TEST_F(SettingsWineTest, EmptyTextIsStoredAsTheTerminatorAlone) {
  PutRequired();
  EXPECT_EQ(Stored(L"StrAddressCC"), std::make_pair(DWORD{REG_SZ}, DWORD{2}));
  EXPECT_EQ(Stored(L"StrAccounts"), std::make_pair(DWORD{REG_SZ}, DWORD{2}));
}

TEST_F(SettingsWineTest, LoadsNeverCreateTheKey) {
  SettingsRecord record;
  TodaySettings today;
  LauncherSettings launcher;
  EXPECT_EQ(store.LoadSettings(record), 1);
  EXPECT_EQ(store.LoadLangPath(record), 1);
  EXPECT_EQ(store.LoadTodaySettings(today), 1);
  EXPECT_EQ(store.LoadLauncherSettings(launcher), 1);
  EXPECT_EQ(store.LoadAlive(launcher), 1);
  EXPECT_FALSE(KeyExists());
  EXPECT_EQ(store.SaveSettings(record), 0);
  EXPECT_TRUE(KeyExists());
}

TEST_F(SettingsWineTest, TextOf256CharactersIsRejectedAnd255Accepted) {
  PutRequired();
  SettingsRecord record;
  PutText(L"StrLangPath", std::wstring(255, L'x'));
  ASSERT_EQ(store.LoadLangPath(record), 0);
  EXPECT_EQ(WString(record.StrLangPath), WString(255, u'x'));

  PutText(L"StrLangPath", std::wstring(256, L'y'));
  EXPECT_EQ(store.LoadLangPath(record), 1);
  EXPECT_EQ(WString(record.StrLangPath), WString(255, u'x')) << "a failed read changes nothing";

  PutText(L"StrAccounts", std::wstring(256, L'z'));
  EXPECT_EQ(store.LoadSettings(record), 1);
}

TEST_F(SettingsWineTest, DwordStoredWithEightBytesIsRejected) {
  PutRequired();
  const unsigned long long wide = 5;
  Put(L"ValWaitStart", REG_QWORD, &wide, sizeof wide);
  SettingsRecord record;
  EXPECT_EQ(store.LoadSettings(record), 1);

  PutRequired();
  Put(L"ValAnswerTime", REG_BINARY, &wide, sizeof wide);
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(record.ValAnswerTime, 3u);
}

TEST_F(SettingsWineTest, TextWithoutTerminatorOrWithOddByteCountStaysTerminated) {
  PutRequired();
  const wchar_t accounts[] = {L'K', L'o', L'n', L't', L'o', L'\t'};
  Put(L"StrAccounts", REG_SZ, accounts, sizeof accounts);
  const char odd[] = {'c', 0, 'c', 0, '!'};
  Put(L"StrAddressCC", REG_SZ, odd, sizeof odd);

  SettingsRecord record;
  std::fill(std::begin(record.StrAccounts), std::end(record.StrAccounts), u'#');
  std::fill(std::begin(record.StrAddressCC), std::end(record.StrAddressCC), u'#');
  ASSERT_EQ(store.LoadSettings(record), 0);
  EXPECT_EQ(WString(record.StrAccounts), u"Konto\t");
  EXPECT_EQ(WString(record.StrAddressCC), u"cc");
}

}  // namespace
}  // namespace lectavo
