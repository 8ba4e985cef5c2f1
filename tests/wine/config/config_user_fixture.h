// Lectavo_Config.exe under Wine for a person's hands: a record and message stores in Wine's
// registry, the program started on them, its dialog, its tab control and the page shown.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/program_paths.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/messaging_library.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/ui_driver.h"
#include "tests/wine/support/user_input.h"

namespace lectavo {

using fake::kEnglish;

class ConfigUserTest : public ::testing::Test {
 public:
  static inline const wchar_t* const kCaption = wine::kConfigCaption;
  static inline const wchar_t* const kNote = ApiChars(kAnswerTextPath);
  static constexpr int kTabs = 999;

  void SetUp() override {
    Clean();
    ASSERT_TRUE(device::InstallMessagingLibrary());
    wine::MakeProgramFolder();
  }
  void TearDown() override {
    if (dialog != nullptr) wine::Close(dialog);
    if (program != nullptr) program->WaitForExit(10000);
    Clean();
  }
  static void Clean() {
    device::RemoveSettings();
    device::PutMessageStores({});
    DeleteFileW(kNote);
    RemoveDirectoryW(kNote);
  }

  // The install defaults as the setup writes them, with ValSpeak and StrAccounts as given.
  static void PutRecord(DWORD speak = kDefaultSpeak, const std::wstring& accounts = L"") {
    fake::RecordValues values = fake::InstallRecord(speak, u"C:\\Lectavo\\");
    const WString chosen(accounts.begin(), accounts.end());
    values.accounts = chosen;
    ASSERT_TRUE(device::PutRecord(values));
  }
  static void PutStores(const std::vector<std::wstring>& names) { device::PutMessageStores(names); }
  static std::wstring Stored(const wchar_t* name) {
    return device::ReadText(device::kSettingsKey, name).value_or(L"(none)");
  }
  static DWORD Speak() {
    const auto value = device::ReadValue(device::kSettingsKey, L"ValSpeak");
    DWORD speak = 0;
    if (value && value->bytes.size() == sizeof speak) std::memcpy(&speak, value->bytes.data(), 4);
    return speak;
  }

  static FILETIME LastWrite() {
    FILETIME written{};
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, device::kSettingsKey.c_str(), 0, KEY_READ, &key) ==
        ERROR_SUCCESS) {
      RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, &written);
      RegCloseKey(key);
    }
    return written;
  }

  // Starts the program and waits for its dialog; when tab is given, selects it.
  void Open(std::optional<int> tab = std::nullopt) {
    program = std::make_unique<device::StartedProcess>(wine::PackagePath(L"Lectavo_Config.exe"));
    ASSERT_TRUE(program->Started());
    dialog = wine::WaitForDialog(program->Id(), kCaption, 30000);
    ASSERT_NE(dialog, nullptr);
    if (tab) wine::SelectTab(Tabs(), *tab);
  }
  HWND Tabs() const { return wine::FindControl(dialog, kTabs); }
  // The page shown: the dialog's child dialog.
  HWND Page() const { return FindWindowExW(dialog, nullptr, L"#32770", nullptr); }
  HWND Item(int id) const { return GetDlgItem(Page(), id); }
  // True when the focus lies on the control or inside it (a combo box's edit).
  bool Focused(HWND control) const {
    const HWND focus = wine::FocusedWindow(dialog);
    return focus != nullptr && (focus == control || IsChild(control, focus));
  }
  // Ends the dialog with its OK button and waits for the program's end.
  void Confirm() {
    wine::Click(GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(program->WaitForExit(10000));
    dialog = nullptr;
  }

  std::unique_ptr<device::StartedProcess> program;
  HWND dialog = nullptr;
};

}  // namespace lectavo
