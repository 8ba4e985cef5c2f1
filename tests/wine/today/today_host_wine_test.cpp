// The real Today screen stand-in with the real item registered, driven as on the device:
// the item appears, keeps the monitor running, starts the configuration program on a click,
// and shows the reading state; the screen's pixels are checked and saved as screenshots.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/wine/support/device.h"
#include "tests/wine/support/today_screen.h"
#include "tests/wine/support/user_input.h"
#include "tests/wine/today/today_wine_support.h"

namespace lectavo::wine {
namespace {

using device::ChildrenOf;
using device::EndProcess;
using device::WaitUntil;

class TodayHostWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PlacePrograms());
    ASSERT_TRUE(PutSettings(kReadingOn));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today\\Items");
    ASSERT_TRUE(device::WriteText(kItemKey, L"DLL", kDevicePathOfLibrary));
    ASSERT_TRUE(device::WriteDword(kItemKey, L"Order", 0));
    ASSERT_TRUE(device::WriteDword(kItemKey, L"Enabled", 1));

    started = std::make_unique<device::StartedProcess>(HostPath(LECTAVO_HOST_PROGRAM));
    ASSERT_TRUE(started->Started());
    host = started->Id();
    ASSERT_TRUE(WaitUntil([&] { return (screen = FindTodayScreen(host)) != nullptr; }, 10000));
    ASSERT_TRUE(WaitUntil(
        [&] { return (item = FindLectavoItem(screen)) != nullptr && ItemHeight() == 30; }, 5000))
        << "the item is laid out 30 pixels high";
  }

  void TearDown() override {
    // The host and whatever it started belong to this test.
    const std::vector<DWORD> children = ChildrenOf(host);
    EndProcess(host);
    for (DWORD id : children) EndProcess(id);
  }

  int ItemHeight() const {
    RECT rect{};
    GetWindowRect(item, &rect);
    return rect.bottom - rect.top;
  }

  // The message boxes the host's process shows.
  std::vector<HWND> MessageBoxes() const {
    std::vector<HWND> boxes;
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, L"#32770", nullptr)) != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(found, &owner);
      if (owner == host && IsWindowVisible(found)) boxes.push_back(found);
    }
    return boxes;
  }

  std::vector<DWORD> Monitors() const { return ChildrenOf(host, L"Lectavo_Monitor.exe"); }

  std::unique_ptr<device::StartedProcess> started;
  DWORD host = 0;
  HWND screen = nullptr;
  HWND item = nullptr;
};

TEST_F(TodayHostWineTest, EndedMonitorIsStartedAgainAtTheNextQuery) {
  ASSERT_TRUE(WaitUntil([&] { return Monitors().size() == 1; }, 5000));
  const DWORD first = Monitors()[0];
  EndProcess(first);
  ASSERT_TRUE(WaitUntil(
      [&] {
        const auto now = Monitors();
        return now.size() == 1 && now[0] != first;
      },
      8000))
      << "a new monitor within a few refresh queries";
}

TEST_F(TodayHostWineTest, MonitorThatCannotStartShowsOneBoxAtATime) {
  ASSERT_TRUE(WaitUntil([&] { return Monitors().size() == 1; }, 5000));
  EndProcess(Monitors()[0]);
  const std::wstring monitor = ProgramFile(L"Lectavo_Monitor.exe");
  ASSERT_TRUE(WaitUntil([&] { return DeleteFileW(monitor.c_str()) != FALSE; }, 3000));

  ASSERT_TRUE(WaitUntil([&] { return MessageBoxes().size() == 1; }, 8000));
  const HWND box = MessageBoxes()[0];
  wchar_t caption[32] = {};
  wchar_t text[128] = {};
  GetWindowTextW(box, caption, 32);
  GetDlgItemTextW(box, 0xFFFF, text, 128);
  EXPECT_STREQ(caption, L"Fehler");
  EXPECT_STREQ(text, L"Lectavo-Monitor konnte nicht gestartet werden.");
  // Two more refresh queries while the box is open, asked for as the screen's timer does.
  const std::uintptr_t queries = RefreshQueries(screen);
  for (int query = 0; query < 2; ++query) PostMessageW(screen, WM_TIMER, 1, 0);
  ASSERT_TRUE(WaitUntil([&] { return RefreshQueries(screen) >= queries + 2; }, 5000));
  EXPECT_EQ(MessageBoxes().size(), 1u) << "no box on top of the open one";

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));
  ASSERT_TRUE(WaitUntil([&] { return MessageBoxes().size() == 1; }, 5000))
      << "the next query tries again";
  ASSERT_TRUE(CopyFileW(PackagePath(L"Lectavo_Monitor.exe").c_str(), monitor.c_str(), FALSE));
  PostMessageW(MessageBoxes()[0], WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return Monitors().size() == 1; }, 5000));
  EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(TodayHostWineTest, ClickOnTheItemStartsTheConfigurationProgram) {
  ASSERT_TRUE(ChildrenOf(host, L"Lectavo_Config.exe").empty());
  RECT rect{};
  GetWindowRect(item, &rect);
  ASSERT_TRUE(ClickAt({rect.left + 120, rect.top + 15}));  // on the empty rest of the line
  EXPECT_TRUE(WaitUntil([&] { return ChildrenOf(host, L"Lectavo_Config.exe").size() == 1; }, 5000));
}

TEST_F(TodayHostWineTest, ReadingSwitchedOffShowsTheCrossedOutLoudspeaker) {
  Screenshot on;
  ASSERT_TRUE(WaitUntil([&] { return ShowsLoudspeaker(on = Capture(screen), screen, item); }, 5000))
      << "the yellow disc and the loudspeaker";
  EXPECT_TRUE(SaveToBuild(on, L"today_host_reading_on.bmp"));

  ASSERT_TRUE(PutSettings(kReadingOff));
  Screenshot off;
  EXPECT_TRUE(WaitUntil(
      [&] { return ShowsCrossedOutLoudspeaker(off = Capture(screen), screen, item); }, 5000))
      << "the next query repaints the crossed-out loudspeaker";
  EXPECT_TRUE(SaveToBuild(off, L"today_host_reading_off.bmp"));
}

TEST_F(TodayHostWineTest, SettingChangeReloadsTheItems) {
  ASSERT_TRUE(WaitUntil([&] { return Monitors().size() == 1; }, 5000));
  const HWND before = item;
  SendMessageW(screen, WM_SETTINGCHANGE, 0xF2, 0);
  ASSERT_TRUE(WaitUntil(
      [&] {
        item = FindLectavoItem(screen);
        return item != nullptr && item != before && ItemHeight() == 30;
      },
      5000));
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(WaitUntil([&] { return Monitors().size() == 2; }, 5000))
      << "the new item starts its monitor although one runs";
}

}  // namespace
}  // namespace lectavo::wine
