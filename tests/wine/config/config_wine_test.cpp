// Lectavo_Config.exe under Wine, driven like a user by control id: the dialog it shows for
// a record, what OK and every other close leave in Wine's registry, the start-up errors.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/accounts_page_controls.h"
#include "config/config_dialog_controls.h"
#include "config/general_page_controls.h"
#include "config/read_page_controls.h"
#include "settings/settings_record.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/ui_driver.h"
#include "tests/wine/support/user_input.h"

namespace lectavo {
namespace {

using namespace lectavo::device;
using device::kSettingsKey;
using namespace lectavo::wine;

constexpr DWORD kReadOn = 1u << 27;
using fake::kEnglish;

class ConfigWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveEverything();
    ASSERT_TRUE(device::InstallMessagingLibrary());
  }
  void TearDown() override { RemoveEverything(); }

  static void RemoveEverything() {
    RemoveSettings();
    PutMessageStores({});
  }

  // The program started on the install defaults with this StrAccounts and these message
  // stores, its Accounts page shown; the page's list, nullptr when it did not come.
  HWND StartOnAccounts(const std::wstring& accounts, const std::vector<std::wstring>& stores) {
    PutRecord(kDefaultSpeak);
    EXPECT_TRUE(WriteText(kSettingsKey, L"StrAccounts", accounts));
    PutMessageStores(stores);
    const HWND dialog = Start();
    if (dialog == nullptr) return nullptr;
    SelectTab(FindControl(dialog, kTabControlId), kAccountsTab);
    return FindControl(dialog, kAccountListId);
  }

  // The install defaults as the setup writes them, with ValSpeak as given.
  static void PutRecord(DWORD speak, bool withLangPath = true) {
    ASSERT_TRUE(PutInstallRecord(speak, withLangPath ? L"C:\\Lectavo\\" : L""));
  }

  static DWORD Speak() { return ReadDword(kSettingsKey, L"ValSpeak").value_or(0); }

  // Lectavo_Config started from the package; its window with that caption once shown, nullptr
  // when none came.
  HWND Start(const wchar_t* caption = kConfigCaption) {
    program = std::make_unique<StartedProcess>(PackagePath(L"Lectavo_Config.exe"));
    return WaitForDialog(program->Id(), caption);
  }

  // The dialog confirmed by its OK button; true once the program has ended.
  bool ConfirmAndEnd(HWND dialog) {
    Click(FindControl(dialog, IDOK));
    return program->WaitForExit(10000).has_value();
  }

  static FILETIME LastWrite() {
    HKEY key = nullptr;
    FILETIME written{};
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, &written);
      RegCloseKey(key);
    }
    return written;
  }

  std::unique_ptr<StartedProcess> program;
};

TEST_F(ConfigWineTest, InstallDefaultsShowTheGermanCaptionsAndTheReadPage) {
  PutRecord(kDefaultSpeak);
  const HWND dialog = Start();
  ASSERT_NE(dialog, nullptr);
  HWND tab = FindControl(dialog, kTabControlId);
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(TabCaptions(tab),
            (std::vector<std::wstring>{L"Allgemein", L"Vorlesen", L"Antworten", L"Antwort-Text",
                                       L"Sprechen", L"Konten", L"Info"}));
  EXPECT_EQ(SelectedTab(tab), 1);
  const std::vector<std::pair<int, int>> boxes = {
      {kReadOnId, 1}, {kReadUnaskedId, 0}, {kReadSenderId, 1}, {kReadSubjectId, 1}, {kReadContentsId, 1}};
  for (auto [id, checked] : boxes) {
    HWND box = FindControl(dialog, id);
    ASSERT_NE(box, nullptr) << id;
    EXPECT_EQ(CheckState(box), checked) << id;
  }
  EXPECT_EQ(Text(FindControl(dialog, kReadOnId)), L" Vorlesen aktivieren");
  const auto readOnDrawn = [&](const Screenshot& shot) {
    return DarkPixelsOf(shot, dialog, FindControl(dialog, kReadOnId)) > kTextPixels;
  };
  const Screenshot shot = SaveBuildScreenshot(dialog, L"lectavo_config_de.bmp", readOnDrawn);
  EXPECT_TRUE(readOnDrawn(shot)) << "the check box's text is drawn";
  RECT corner{};
  GetWindowRect(dialog, &corner);
  corner.right = corner.left + 28;
  corner.bottom = corner.top + 28;
  EXPECT_GT(
      CountIn(shot, dialog, corner, [](DWORD p) { return (p & 0xFF) > ((p >> 16) & 0xFF) + 60; }),
      20)
      << "the blue icon in the grey caption";
  Close(dialog);
  EXPECT_TRUE(program->WaitForExit(10000));
}

TEST_F(ConfigWineTest, EnglishRecordShowsEnglishCaptionsAndLabels) {
  PutRecord(kDefaultSpeak | kEnglish);
  const HWND dialog = Start();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TabCaptions(FindControl(dialog, kTabControlId)),
            (std::vector<std::wstring>{L"General", L"Read", L"Answer", L"Text for answer", L"Speak",
                                       L"Accounts", L"About"}));
  EXPECT_EQ(Text(FindControl(dialog, kReadUnaskedId)), L" Read without demand");
  EXPECT_TRUE(TextDrawn(dialog, FindControl(dialog, kReadUnaskedId), L"lectavo_config_en.bmp"));

  SelectTab(FindControl(dialog, kTabControlId), kAboutTab);
  const std::wstring version = L"Lectavo\n\nVersion  2.2.1";
  HWND about = nullptr;
  for (HWND window : Descendants(dialog)) {
    const std::wstring text = Text(window);
    if (text.compare(0, version.size(), version) == 0) about = window;
  }
  ASSERT_NE(about, nullptr) << "the About page is the same in both languages";
  EXPECT_TRUE(TextDrawn(dialog, about, L"lectavo_config_about_en.bmp"));
  Close(dialog);
  EXPECT_TRUE(program->WaitForExit(10000));
}

// A box changed on one page and the dialog closed from another: OK and Enter store the change
// (bit 27 cleared), any other way of closing writes nothing.
TEST_F(ConfigWineTest, OkAndEnterStoreTheChangeAnyOtherCloseWritesNothing) {
  struct Case {
    const char* name;
    std::function<void(HWND dialog, HWND focused)> close;
    bool stored;
  };
  const Case cases[] = {
      {"OK button", [](HWND dialog, HWND) { Click(FindControl(dialog, IDOK)); }, true},
      {"Enter", [](HWND, HWND focused) { EXPECT_TRUE(PressKey(focused, VK_RETURN)); }, true},
      {"close box", [](HWND dialog, HWND) { Close(dialog); }, false},
      {"system menu", [](HWND dialog, HWND) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
       false},
      {"Escape", [](HWND, HWND focused) { EXPECT_TRUE(PressKey(focused, VK_ESCAPE)); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PutRecord(kDefaultSpeak);
    const FILETIME before = LastWrite();
    const HWND dialog = Start();
    ASSERT_NE(dialog, nullptr);
    Click(FindControl(dialog, kReadOnId));
    EXPECT_EQ(CheckState(FindControl(dialog, kReadOnId)), BST_UNCHECKED);
    const HWND tab = FindControl(dialog, kTabControlId);
    SelectTab(tab, kGeneralTab);
    EXPECT_EQ(SelectedTab(tab), 0);
    ASSERT_NE(FindControl(dialog, kDialogLanguageId), nullptr) << "the General page is shown";
    const HWND wait = FindControl(dialog, kWaitStartId);
    ASSERT_TRUE(Focus(wait));
    c.close(dialog, wait);
    ASSERT_TRUE(program->WaitForExit(10000));
    EXPECT_EQ(Speak(), c.stored ? kDefaultSpeak & ~kReadOn : kDefaultSpeak);
    const FILETIME after = LastWrite();
    EXPECT_EQ(CompareFileTime(&before, &after) == 0, !c.stored);
  }
}

TEST_F(ConfigWineTest, WaitStartOfZeroIsShownAndStoredAsTen) {
  PutRecord(kDefaultSpeak);
  ASSERT_TRUE(WriteDword(kSettingsKey, L"ValWaitStart", 0));
  const HWND dialog = Start();
  ASSERT_NE(dialog, nullptr);
  SelectTab(FindControl(dialog, kTabControlId), kGeneralTab);
  HWND wait = FindControl(dialog, kWaitStartId);
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(Text(wait), L"0");
  EXPECT_TRUE(TextDrawn(dialog, wait, L"lectavo_config_general_de.bmp", 0)) << "the 0 is drawn";
  ASSERT_TRUE(ConfirmAndEnd(dialog));
  EXPECT_EQ(ReadDword(kSettingsKey, L"ValWaitStart"), 10u);
}

TEST_F(ConfigWineTest, AccountsPageListsTheStoresAndStoresTheChoiceInTableOrder) {
  const HWND list = StartOnAccounts(L"C\tA\t", {L"A", L"B", L"C"});
  ASSERT_NE(list, nullptr);
  const HWND dialog = GetAncestor(list, GA_ROOT);
  EXPECT_EQ(ListLines(list), (std::vector<std::wstring>{L"A", L"B", L"C"}));
  EXPECT_TRUE(IsWindowEnabled(list));
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{0, 2}));
  ClickLine(list, 1);
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{0, 1, 2}));
  ClickLine(list, 0);
  ClickLine(list, 2);
  EXPECT_EQ(SelectedLines(list), (std::vector<int>{1}));
  EXPECT_TRUE(TextDrawn(dialog, list, L"lectavo_config_accounts_de.bmp", 0))
      << "the lines not chosen are drawn in the window's text colour";
  ASSERT_TRUE(ConfirmAndEnd(dialog));
  EXPECT_EQ(ReadText(kSettingsKey, L"StrAccounts"), L"B\t");
}

// Nothing to list, or no log-on: the same empty, disabled list, no message, the value kept.
TEST_F(ConfigWineTest, AccountsPageWithNoStoreToListShowsAnEmptyDisabledListAndNoMessage) {
  static constexpr const wchar_t* kPlanted = L"C:\\LectavoPlanted";
  struct Case {
    const char* name;
    std::vector<std::wstring> stores;
    std::function<bool()> messagingLibrary;
  };
  const Case cases[] = {
      {"no message store", {}, device::InstallMessagingLibrary},
      {"no messaging library", {L"A", L"B"}, device::RemoveMessagingLibrary},
      {"a library of that name without the messaging calls",
       {L"A", L"B"},
       [] { return device::InstallAsMessagingLibrary(PackagePath(L"Lectavo_Setup.dll")); }},
      // Anyone can put a library into the folder a program is started in: it is never loaded.
      {"a messaging library only in the program's current folder",
       {L"A", L"B"},
       [] {
         return device::RemoveMessagingLibrary() && device::PlantMessagingLibrary(kPlanted) &&
                SetCurrentDirectoryW(kPlanted);
       }},
  };
  wchar_t ownFolder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, ownFolder);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RemoveEverything();
    ASSERT_TRUE(c.messagingLibrary());
    const HWND list = StartOnAccounts(L"A\t", c.stores);
    SetCurrentDirectoryW(ownFolder);
    ASSERT_NE(list, nullptr);
    const HWND dialog = GetAncestor(list, GA_ROOT);
    EXPECT_TRUE(ListLines(list).empty());
    EXPECT_FALSE(IsWindowEnabled(list));
    EXPECT_EQ(WaitForDialog(program->Id(), L"Lectavo", 500), nullptr) << "no message box";
    EXPECT_EQ(TopLevelWindows(program->Id()), std::vector<HWND>{dialog});
    ASSERT_TRUE(ConfirmAndEnd(dialog));
    EXPECT_EQ(ReadText(kSettingsKey, L"StrAccounts"), L"A\t");
  }
  device::RemoveTree(kPlanted);
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
    if (c.missing != nullptr)
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kSettingsKey.c_str(), c.missing);
    const HWND box = Start(L"Lectavo");
    ASSERT_NE(box, nullptr);
    const std::vector<std::wstring> texts = Texts(box);
    EXPECT_NE(std::find(texts.begin(), texts.end(), c.text), texts.end());
    EXPECT_EQ(TopLevelWindows(program->Id()).size(), 1u) << "the message box alone";
    Click(FindControl(box, IDOK));
    bool dialogShown = false;
    ASSERT_TRUE(WaitUntil(
        [&] {
          dialogShown = dialogShown || WaitForDialog(program->Id(), kConfigCaption, 0) != nullptr;
          return !program->Running();
        },
        10000));
    EXPECT_FALSE(dialogShown) << "the program ends without its dialog";
  }
}

}  // namespace
}  // namespace lectavo
