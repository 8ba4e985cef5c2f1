// One device, everything real: the installer installs the package and runs its start-up
// entry, the launcher, which starts the reading service; the Today screen shows the item; a
// spoken command switches reading off; taps open the configuration program; uninstall stops
// the programs. The programs meet only through the settings in the registry, and the last
// saver wins.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/read_page_controls.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/installer.h"
#include "tests/wine/support/paths.h"
#include "tests/wine/support/product_names.h"
#include "tests/wine/support/settings_record.h"
#include "tests/wine/support/sound_trace.h"
#include "tests/wine/support/today_screen.h"
#include "tests/wine/support/ui_driver.h"
#include "tests/wine/support/user_input.h"

namespace lectavo {
namespace {

using namespace device;
using device::kSettingsKey;
using wine::HostPath;
using wine::kConfigCaption;
using wine::kProgramFolder;

const std::wstring kDefaultFolder = L"\\Program Files\\Lectavo";
constexpr DWORD kInstallSpeak = 0xE8323232;
constexpr DWORD kReadOn = 1u << 27;
constexpr DWORD kAnswerOn = 1u << 23;

std::optional<DWORD> Setting(const wchar_t* name) { return ReadDword(kSettingsKey, name); }

DWORD Speak() { return Setting(L"ValSpeak").value_or(0); }

// Whether the window's title bar is drawn in the colours of the active window, not those of
// an inactive one: judged by a pixel between the caption's text and its buttons.
bool ShowsActiveCaption(HWND window) {
  const wine::Screenshot shot = wine::Capture(window);
  if (shot.pixels.empty()) return false;
  const int y = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  const DWORD pixel = shot.At(shot.width * 3 / 4, y);
  const auto distance = [pixel](int colour) {
    const COLORREF c = GetSysColor(colour);  // 0x00BBGGRR
    return std::abs(static_cast<int>((pixel >> 16) & 0xFF) - GetRValue(c)) +
           std::abs(static_cast<int>((pixel >> 8) & 0xFF) - GetGValue(c)) +
           std::abs(static_cast<int>(pixel & 0xFF) - GetBValue(c));
  };
  return std::min(distance(COLOR_ACTIVECAPTION), distance(COLOR_GRADIENTACTIVECAPTION)) <
         std::min(distance(COLOR_INACTIVECAPTION), distance(COLOR_GRADIENTINACTIVECAPTION));
}

// Every value of the record by name, the heartbeat left out: the service moves it on until
// it is stopped.
std::vector<std::pair<std::wstring, Value>> SettingsButHeartbeat() {
  auto values = ValuesOf(kSettingsKey);
  std::erase_if(values, [](const auto& value) { return value.first == L"ValAlive"; });
  return values;
}

// Runs a program of the program folder by its file name, as the device's voice-command
// facility does, with Wine's winmm trace on.
wine::TracedRun RunVoiceCommand(const std::wstring& program) {
  return wine::RunWithSoundTrace(kProgramFolder + L"\\" + program + L".exe");
}

class SystemWineTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetLectavo(); }

  void TearDown() override {
    // Only what this test caused goes: the launcher the installer started, the Today screen,
    // and whatever they started in turn (service, monitor, configuration program), found by
    // parent id.
    if (launcher != 0) {
      const std::vector<DWORD> children = ChildrenOf(launcher);
      EndProcess(launcher);
      for (DWORD child : children) EndProcess(child);
    }
    if (host) {
      TerminateProcess(host->Process(), 1);
      WaitForSingleObject(host->Process(), 5000);
      for (DWORD child : ChildrenOf(host->Id())) EndProcess(child);
    }
    host.reset();
    ForgetLectavo();
  }

  // The device as it was before Lectavo came: no settings, no program files, no Today item,
  // no start-up entry, no installation record.
  static void ForgetLectavo() {
    for (const std::wstring& tree : {kProgramFolder, kDefaultFolder}) RemoveTree(tree);
    wine::RemoveProgramFolderParent();
    DeleteFileW(L"\\Windows\\AppMgr\\ORBA-GMBH Lectavo.dll");
    DeleteFileW(L"\\Windows\\AppMgr\\ORBA-GMBH Lectavo.dat");
    device::RemoveSettings();
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today\\Items");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\Apps\\" + wine::kPackageName).c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Launch90");
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Init", L"Depend90");
  }

  // What the Today screen shows of the item now.
  bool ShowsLoudspeaker() const {
    return wine::ShowsLoudspeaker(wine::Capture(screen), screen, item);
  }
  bool ShowsCrossedOutLoudspeaker() const {
    return wine::ShowsCrossedOutLoudspeaker(wine::Capture(screen), screen, item);
  }

  // A real tap on the empty rest of the item's line; the configuration program it starts.
  DWORD TapItemForConfig() {
    const std::vector<DWORD> before = ChildrenOf(host->Id(), L"Lectavo_Config.exe");
    SetForegroundWindow(screen);
    RECT rect{};
    GetWindowRect(item, &rect);
    if (!wine::ClickAt({rect.left + 120, rect.top + 15})) return 0;
    DWORD config = 0;
    WaitUntil(
        [&] {
          for (DWORD id : ChildrenOf(host->Id(), L"Lectavo_Config.exe")) {
            if (std::find(before.begin(), before.end(), id) == before.end()) config = id;
          }
          return config != 0;
        },
        5000);
    return config;
  }

  // The Today screen saved as a screenshot; whether it shows the item as the user sees it
  // with reading on or off.
  bool SavedShowing(bool readingOn, const std::wstring& name) const {
    const auto showing = [&](const wine::Screenshot& shot) {
      return readingOn ? wine::ShowsLoudspeaker(shot, screen, item)
                       : wine::ShowsCrossedOutLoudspeaker(shot, screen, item);
    };
    return showing(wine::SaveBuildScreenshot(screen, name, showing));
  }

  DWORD launcher = 0;
  std::unique_ptr<StartedProcess> host;
  HWND screen = nullptr;
  HWND item = nullptr;
};

TEST_F(SystemWineTest, SpokenCommandTapsAndDialogMeetInTheRegistryFromInstallToUninstall) {
  const auto began = std::chrono::steady_clock::now();

  // Settings an earlier installation left, with a launcher that waits one second; an install
  // keeps a complete record.
  ASSERT_TRUE(PutStartSettings(kInstallSpeak, 1));

  // Install into the package's default folder; the programs are moved to the program folder.
  ASSERT_EQ(wine::InstallPackage(wine::PackageFolder()), 0);
  EXPECT_EQ(ReadText(kSettingsKey, L"StrLangPath"), kDefaultFolder + L"\\");
  EXPECT_EQ(Speak(), kInstallSpeak);
  ASSERT_TRUE(Exists(kDefaultFolder + L"\\VoiceCommand\\GER_VorlesenAus.WAV"));

  // The installation ends with the device running: the installer has run the start-up entry,
  // the launcher, which waits ValWaitStart seconds and starts the reading service; the
  // service's heartbeat moves on.
  EXPECT_EQ(ReadText(L"Init", L"Launch90"), kProgramFolder + L"\\Lectavo_Start.exe");
  ASSERT_TRUE(WaitUntil([] { return ProcessIds(L"Lectavo_Start.exe").size() == 1; }, 5000));
  launcher = ProcessIds(L"Lectavo_Start.exe")[0];
  ASSERT_TRUE(WaitUntil(
      [&] { return ChildrenOf(launcher, L"Lectavo_Service.exe").size() == 1; }, 10000))
      << "the launcher starts the service after one second";
  DWORD beat = 0;
  ASSERT_TRUE(WaitUntil([&] { return (beat = Setting(L"ValAlive").value_or(0)) != 0; }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return Setting(L"ValAlive").value_or(0) != beat; }, 5000))
      << "the heartbeat goes on";

  // The Today screen loads the registered item, which starts the monitor and shows reading on.
  host = std::make_unique<StartedProcess>(HostPath(LECTAVO_TODAY_HOST));
  ASSERT_TRUE(host->Started());
  ASSERT_TRUE(
      WaitUntil([&] { return (screen = wine::FindTodayScreen(host->Id())) != nullptr; }, 10000));
  ASSERT_TRUE(WaitUntil([&] { return (item = wine::FindLectavoItem(screen)) != nullptr; }, 5000));
  EXPECT_TRUE(
      WaitUntil([&] { return ChildrenOf(host->Id(), L"Lectavo_Monitor.exe").size() == 1; }, 5000));
  EXPECT_TRUE(WaitUntil([&] { return ShowsLoudspeaker(); }, 5000)) << "reading is on";
  EXPECT_TRUE(SavedShowing(true, L"system_today_reading_on.bmp"));

  // The spoken command switches reading off, confirms it with its German prompt from the
  // installation folder, and the next refresh query repaints the item.
  const wine::TracedRun readingOff = RunVoiceCommand(L"Lectavo_VC_VorlesenAus");
  EXPECT_EQ(readingOff.exitCode, 0u) << readingOff.trace;
  EXPECT_EQ(Speak(), kInstallSpeak & ~kReadOn);
  EXPECT_EQ(wine::Played(readingOff), std::vector<std::string>{wine::AsTraced(
                                          kDefaultFolder + L"\\VoiceCommand\\GER_VorlesenAus.WAV")})
      << readingOff.trace;
  EXPECT_NE(readingOff.trace.find("Chunk Found ckid=data"), std::string::npos)
      << "the installed prompt was found and read as a WAV file";
  EXPECT_TRUE(WaitUntil([&] { return ShowsCrossedOutLoudspeaker(); }, 5000));
  EXPECT_TRUE(SavedShowing(false, L"system_today_reading_off.bmp"));

  // A tap opens the configuration program, which shows the record as the command left it;
  // reading switched on and confirmed with OK reaches the registry.
  {
    const DWORD config = TapItemForConfig();
    ASSERT_NE(config, 0u) << "a tap starts the configuration program";
    const HWND dialog = wine::WaitForDialog(config, kConfigCaption);
    ASSERT_NE(dialog, nullptr);
    // Space typed the moment the dialog shows ticks the first box of the Read page: the
    // dialog opens in front and active.
    ASSERT_TRUE(wine::PressChordInFront({VK_SPACE}));
    const HWND readOn = wine::FindControl(dialog, kReadOnId);
    ASSERT_NE(readOn, nullptr) << "the Read page is shown first";
    EXPECT_EQ(wine::Text(readOn), L" Vorlesen aktivieren");
    EXPECT_TRUE(WaitUntil([&] { return wine::CheckState(readOn) == BST_CHECKED; }))
        << "the key reached the box, which was unticked";
    EXPECT_EQ(GetForegroundWindow(), dialog);
    EXPECT_TRUE(WaitUntil([&] { return ShowsActiveCaption(dialog); })) << "not a grey title bar";
    wine::Click(wine::FindControl(dialog, IDOK));
    ASSERT_TRUE(WaitForEnd(config, 10000));
    EXPECT_EQ(Speak(), kInstallSpeak);
    EXPECT_TRUE(WaitUntil([&] { return ShowsLoudspeaker(); }, 5000));
  }

  // Last saver wins: a command run while the dialog is open is undone by the dialog's save.
  {
    const DWORD config = TapItemForConfig();
    ASSERT_NE(config, 0u);
    const HWND dialog = wine::WaitForDialog(config, kConfigCaption);
    ASSERT_NE(dialog, nullptr);
    const wine::TracedRun answerOn = RunVoiceCommand(L"Lectavo_VC_AntwortEin");
    EXPECT_EQ(answerOn.exitCode, 0u) << answerOn.trace;
    EXPECT_EQ(Speak(), kInstallSpeak | kAnswerOn);
    wine::Click(wine::FindControl(dialog, IDOK));
    ASSERT_TRUE(WaitForEnd(config, 10000));
    EXPECT_EQ(Speak(), kInstallSpeak) << "the dialog's older record overwrites the command";
  }

  // Uninstall stops every program of the product, the launcher too (a configuration program
  // is open again), and leaves the settings; the Today screen drops the item.
  const DWORD openConfig = TapItemForConfig();
  ASSERT_NE(openConfig, 0u);
  ASSERT_NE(wine::WaitForDialog(openConfig, kConfigCaption), nullptr);
  const auto settings = SettingsButHeartbeat();
  ASSERT_EQ(wine::UninstallPackage(), 0);
  for (const wchar_t* program : {L"Lectavo_Config.exe", L"Lectavo_Monitor.exe",
                                 L"Lectavo_Start.exe", L"Lectavo_Service.exe"}) {
    EXPECT_TRUE(WaitUntil([&] { return CountProcesses(program) == 0; }, 3000))
        << testing::PrintToString(std::wstring(program)) << " still runs";
  }
  EXPECT_EQ(SettingsButHeartbeat(), settings);
  EXPECT_TRUE(Setting(L"ValAlive")) << "the heartbeat stays where the service left it";
  EXPECT_TRUE(WaitUntil([&] { return wine::FindLectavoItem(screen) == nullptr; }, 5000));
  EXPECT_TRUE(WaitForEnd(launcher, 3000)) << "the launcher would start the service again";
  launcher = 0;
  // The Today screen, without the item, runs on until the test ends it.
  EXPECT_TRUE(host->Running());

  // How long the walk-through took is a figure of make bench, not a verdict.
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - began);
  std::printf("figure: device walk-through, install to uninstall|%d s|<= 90 s|%s\n",
              static_cast<int>(seconds.count()), seconds.count() <= 90 ? "yes" : "no");
}

}  // namespace
}  // namespace lectavo
