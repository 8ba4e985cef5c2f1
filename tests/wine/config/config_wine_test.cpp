// Lectavo_Config.exe under Wine, driven like a user by control id: the dialog it shows for
// a record, what OK and every other close leave in Wine's registry, the start-up errors.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_roles.h"
#include "settings/settings_store.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/ui_driver.h"

namespace lectavo {
namespace {

using namespace lectavo::wine;

const wchar_t* const kDialogCaption = L"  Lectavo";
constexpr DWORD kReadOn = 1u << 27;
constexpr DWORD kEnglish = 1u << 22;

class ConfigWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveEverything();
    ASSERT_TRUE(device::InstallMessagingLibrary());
  }
  void TearDown() override { RemoveEverything(); }

  static void RemoveEverything() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH");
    device::PutMessageStores({});
  }

  // The Accounts tab selected, its list of message stores.
  static HWND ShowAccountList(HWND dialog) {
    SelectTab(FindControl(dialog, 999), 5);
    return FindControl(dialog, 1006);
  }

  static void PutAccounts(const std::wstring& accounts) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", L"StrAccounts", REG_SZ,
                    accounts.c_str(), static_cast<DWORD>((accounts.size() + 1) * sizeof(wchar_t)));
  }

  static std::wstring Accounts() {
    wchar_t text[256] = {};
    DWORD size = sizeof text;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", L"StrAccounts", RRF_RT_REG_SZ,
                 nullptr, text, &size);
    return text;
  }

  // The install defaults as the setup writes them, with ValSpeak as given.
  void PutRecord(DWORD speak, bool withLangPath = true) {
    SettingsRecord record;
    record.ValSpeak = speak;
    record.ValUsedLang = kDefaultUsedLang;
    record.ValWaitStart = kDefaultWaitStart;
    record.ValAnswerTime = kDefaultAnswerTime;
    std::u16string_view(u"C:\\Lectavo\\").copy(record.StrLangPath, 11);
    ASSERT_EQ(store.SaveSettings(record), 0);
    if (withLangPath) {
      ASSERT_EQ(store.SaveLangPath(record), 0);
    }
  }

  void Remove(const wchar_t* name) {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", name);
  }

  static DWORD Speak() {
    DWORD value = 0;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", L"ValSpeak", RRF_RT_DWORD,
                 nullptr, &value, &size);
    return value;
  }

  static FILETIME LastWrite() {
    HKEY key = nullptr;
    FILETIME written{};
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, &written);
      RegCloseKey(key);
    }
    return written;
  }

  Win32Registry registry;
  SettingsStore store{registry};
};

TEST_F(ConfigWineTest, InstallDefaultsShowTheGermanCaptionsAndTheReadPage) {
  PutRecord(kDefaultSpeak);
  Program program(PackagePath(L"Lectavo_Config.exe"));
  ASSERT_TRUE(program.Started());
  HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
  ASSERT_NE(dialog, nullptr);
  HWND tab = FindControl(dialog, 999);
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(TabCaptions(tab),
            (std::vector<std::wstring>{L"Allgemein", L"Vorlesen", L"Antworten", L"Antwort-Text",
                                       L"Sprechen", L"Konten", L"Info"}));
  EXPECT_EQ(SelectedTab(tab), 1);
  const std::vector<std::pair<int, int>> boxes = {
      {1000, 1}, {1001, 0}, {1002, 1}, {1003, 1}, {1004, 1}};
  for (auto [id, checked] : boxes) {
    HWND box = FindControl(dialog, id);
    ASSERT_NE(box, nullptr) << id;
    EXPECT_EQ(CheckState(box), checked) << id;
  }
  EXPECT_EQ(Text(FindControl(dialog, 1000)), L" Vorlesen aktivieren");
  EXPECT_TRUE(SaveBuildScreenshot(dialog, L"lectavo_config_de.bmp"));
  Close(dialog);
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(ConfigWineTest, EnglishRecordShowsEnglishCaptionsAndLabels) {
  PutRecord(kDefaultSpeak | kEnglish);
  Program program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TabCaptions(FindControl(dialog, 999)),
            (std::vector<std::wstring>{L"General", L"Read", L"Answer", L"Text for answer", L"Speak",
                                       L"Accounts", L"About"}));
  EXPECT_EQ(Text(FindControl(dialog, 1001)), L" Read without demand");
  EXPECT_TRUE(SaveBuildScreenshot(dialog, L"lectavo_config_en.bmp"));

  SelectTab(FindControl(dialog, 999), 6);
  const std::vector<std::wstring> texts = Texts(dialog);
  EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                         [](const std::wstring& text) {
                           return text.rfind(L"Lectavo\n\nVersion  2.2.1", 0) == 0;
                         }),
            texts.end())
      << "the About page is the same in both languages";
  EXPECT_TRUE(SaveBuildScreenshot(dialog, L"lectavo_config_about_en.bmp"));
  Close(dialog);
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(ConfigWineTest, ActivateReadingConfirmedWithOkFlipsBit27) {
  const std::vector<std::pair<const char*, std::function<void(HWND)>>> confirms = {
      {"OK button", [](HWND dialog) { Click(FindControl(dialog, IDOK)); }},
      {"Enter",
       [](HWND dialog) {
         SetForegroundWindow(dialog);
         PostMessageW(FindControl(dialog, 1000), WM_KEYDOWN, VK_RETURN, 0);
       }},
  };
  for (const auto& [name, confirm] : confirms) {
    SCOPED_TRACE(name);
    PutRecord(kDefaultSpeak);
    Program program(PackagePath(L"Lectavo_Config.exe"));
    HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    Click(FindControl(dialog, 1000));
    EXPECT_EQ(CheckState(FindControl(dialog, 1000)), 0);
    confirm(dialog);
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(Speak(), kDefaultSpeak & ~kReadOn);
  }
}

TEST_F(ConfigWineTest, ClosingAnyOtherWayWritesNothing) {
  const std::vector<std::pair<const char*, std::function<void(HWND)>>> closes = {
      {"close box", [](HWND dialog) { Close(dialog); }},
      {"system menu", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Escape",
       [](HWND dialog) {
         SetForegroundWindow(dialog);
         PostMessageW(FindControl(dialog, 1008), WM_KEYDOWN, VK_ESCAPE, 0);
       }},
  };
  for (const auto& [name, close] : closes) {
    SCOPED_TRACE(name);
    PutRecord(kDefaultSpeak);
    const FILETIME before = LastWrite();
    Program program(PackagePath(L"Lectavo_Config.exe"));
    HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    Click(FindControl(dialog, 1000));
    HWND tab = FindControl(dialog, 999);
    SelectTab(tab, 0);
    EXPECT_EQ(SelectedTab(tab), 0);
    ASSERT_NE(FindControl(dialog, 1023), nullptr) << "the General page is shown";
    close(dialog);
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(Speak(), kDefaultSpeak);
    const FILETIME after = LastWrite();
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
  }
}

TEST_F(ConfigWineTest, WaitStartOfZeroIsShownAndStoredAsTen) {
  PutRecord(kDefaultSpeak);
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", L"ValWaitStart", REG_DWORD,
                  "\0\0\0\0", 4);
  Program program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
  ASSERT_NE(dialog, nullptr);
  SelectTab(FindControl(dialog, 999), 0);
  HWND wait = FindControl(dialog, 1008);
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(Text(wait), L"0");
  EXPECT_TRUE(SaveBuildScreenshot(dialog, L"lectavo_config_general_de.bmp"));
  Click(FindControl(dialog, IDOK));
  ASSERT_TRUE(program.WaitForExit(10000));
  DWORD value = 0;
  DWORD size = sizeof value;
  RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ORBA-GMBH\\Lectavo", L"ValWaitStart", RRF_RT_DWORD,
               nullptr, &value, &size);
  EXPECT_EQ(value, 10u);
}

TEST_F(ConfigWineTest, AccountsPageListsTheStoresAndStoresTheChoiceInTableOrder) {
  PutRecord(kDefaultSpeak);
  PutAccounts(L"C\tA\t");
  device::PutMessageStores({L"A", L"B", L"C"});
  Program program(PackagePath(L"Lectavo_Config.exe"));
  HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
  ASSERT_NE(dialog, nullptr);
  HWND list = ShowAccountList(dialog);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(ListLines(list), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_TRUE(IsWindowEnabled(list));
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{0, 2}));
  ClickLine(list, 1);
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{0, 1, 2}));
  ClickLine(list, 0);
  ClickLine(list, 2);
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{1}));
  EXPECT_TRUE(SaveBuildScreenshot(dialog, L"lectavo_config_accounts_de.bmp"));
  Click(FindControl(dialog, IDOK));
  ASSERT_TRUE(program.WaitForExit(10000));
  EXPECT_EQ(Accounts(), L"B\t");
}

// Nothing to list, or no log-on: the same empty, disabled list, no message, the value kept.
TEST_F(ConfigWineTest, AccountsPageWithNoStoreToListShowsAnEmptyDisabledListAndNoMessage) {
  struct Case {
    const char* name;
    std::vector<std::wstring> stores;
    std::function<bool()> messagingLibrary;
  };
  const Case cases[] = {
      {"no message store", {}, device::InstallMessagingLibrary},
      {"no messaging library", {L"A", L"B"}, device::RemoveMessagingLibrary},
      {"a library of that name without the messaging calls", {L"A", L"B"},
       [] { return device::InstallAsMessagingLibrary(PackagePath(L"Lectavo_Setup.dll")); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RemoveEverything();
    PutRecord(kDefaultSpeak);
    PutAccounts(L"A\t");
    device::PutMessageStores(c.stores);
    ASSERT_TRUE(c.messagingLibrary());
    Program program(PackagePath(L"Lectavo_Config.exe"));
    HWND dialog = WaitForDialog(program.Id(), kDialogCaption);
    ASSERT_NE(dialog, nullptr);
    HWND list = ShowAccountList(dialog);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(ListLines(list).empty());
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_EQ(WaitForDialog(program.Id(), L"Lectavo", 500), nullptr) << "no message box";
    EXPECT_EQ(TopLevelWindows(program.Id()), std::vector<HWND>{dialog});
    Click(FindControl(dialog, IDOK));
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(Accounts(), L"A\t");
  }
}

TEST_F(ConfigWineTest, MissingEntriesShowTheirMessageAndNoDialog) {
  struct Case {
    const char* name;
    DWORD speak;
    bool withLangPath;
    const wchar_t* missing;
    const wchar_t* text;
  };
  const Case cases[] = {
      {"no StrLangPath", kDefaultSpeak, false, nullptr, L"Notwendige Registry-Einträge fehlen."},
      {"English, no ValWaitStart", 0x00400000, true, L"ValWaitStart",
       L"Necessary Registry entries are missing."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRecord(c.speak, c.withLangPath);
    if (c.missing != nullptr) Remove(c.missing);
    Program program(PackagePath(L"Lectavo_Config.exe"));
    HWND box = WaitForDialog(program.Id(), L"Lectavo");
    ASSERT_NE(box, nullptr);
    const std::vector<std::wstring> texts = Texts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.text), texts.end());
    EXPECT_EQ(TopLevelWindows(program.Id()).size(), 1u) << "the message box alone";
    Click(FindControl(box, IDOK));
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(WaitForDialog(program.Id(), kDialogCaption, 0), nullptr);
  }
}

}  // namespace
}  // namespace lectavo
