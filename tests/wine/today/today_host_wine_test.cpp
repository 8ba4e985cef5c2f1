// The real Today screen stand-in with the real item registered, driven as on the device:
// the item appears, keeps the monitor running, starts the configuration program on a click,
// and shows the reading state; the screen's pixels are checked and saved as screenshots.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/screen_pixels.h"
#include "tests/wine/today/today_wine_support.h"

namespace lectavo::wine {
namespace {

void Save(Screenshot shot, const wchar_t* name) {
  // The screen leaves the alpha byte 0; viewers would take that as transparent.
  for (DWORD& pixel : shot.pixels) pixel |= 0xFF000000;
  CreateDirectoryW(L"Z:" LECTAVO_SCREENSHOTS, nullptr);
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = shot.width;
  header.biHeight = -shot.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const DWORD bytes = static_cast<DWORD>(shot.pixels.size() * sizeof(DWORD));
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + bytes;
  const std::wstring path = std::wstring(L"Z:" LECTAVO_SCREENSHOTS L"/") + name;
  const HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(out, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(out, &file, sizeof file, &written, nullptr);
  WriteFile(out, &header, sizeof header, &written, nullptr);
  WriteFile(out, shot.pixels.data(), bytes, &written, nullptr);
  CloseHandle(out);
}

class TodayHostWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PlacePrograms());
    ASSERT_TRUE(PutSettings(kReadingOn));
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Today\\Items");
    ASSERT_TRUE(PutText(HKEY_LOCAL_MACHINE, kItemKey, L"DLL", kDevicePathOfLibrary));
    ASSERT_TRUE(PutDword(HKEY_LOCAL_MACHINE, kItemKey, L"Order", 0));
    ASSERT_TRUE(PutDword(HKEY_LOCAL_MACHINE, kItemKey, L"Enabled", 1));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::wstring program = L"Z:" LECTAVO_HOST_PROGRAM;
    ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &started));
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    host = started.dwProcessId;
    ASSERT_TRUE(WaitFor([&] { return (screen = ScreenWindow()) != nullptr; }, 10000));
    ASSERT_TRUE(
        WaitFor([&] { return (item = ItemWindow()) != nullptr && ItemHeight() == 30; }, 5000))
        << "the item is laid out 30 pixels high";
  }

  void TearDown() override {
    // The host and whatever it started belong to this test.
    const std::vector<DWORD> children = ChildrenOf(host);
    EndProcess(host);
    for (DWORD id : children) EndProcess(id);
  }

  HWND ScreenWindow() const {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, L"TodayScreen", nullptr)) != nullptr) {
      DWORD owner = 0;
      GetWindowThreadProcessId(found, &owner);
      if (owner == host) return found;
    }
    return nullptr;
  }

  HWND ItemWindow() const { return FindWindowExW(screen, nullptr, L"Lectavo Service", nullptr); }

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

  // Pixels of the item's icon at (x, 2) that match, counted on a screenshot of the screen.
  int CountInIcon(const Screenshot& shot, int x, const std::function<bool(DWORD)>& matches) const {
    RECT screenRect{};
    RECT itemRect{};
    GetWindowRect(screen, &screenRect);
    GetWindowRect(item, &itemRect);
    const int left = itemRect.left - screenRect.left + x;
    const int top = itemRect.top - screenRect.top + 2;
    int count = 0;
    for (int y = top; y < top + 16; ++y) {
      for (int column = left; column < left + 16; ++column) count += matches(shot.At(column, y));
    }
    return count;
  }

  DWORD host = 0;
  HWND screen = nullptr;
  HWND item = nullptr;
};

TEST_F(TodayHostWineTest, EndedMonitorIsStartedAgainAtTheNextQuery) {
  ASSERT_TRUE(WaitFor([&] { return Monitors().size() == 1; }, 5000));
  const DWORD first = Monitors()[0];
  EndProcess(first);
  ASSERT_TRUE(WaitFor(
      [&] {
        const auto now = Monitors();
        return now.size() == 1 && now[0] != first;
      },
      8000))
      << "a new monitor within a few refresh queries";
}

TEST_F(TodayHostWineTest, MonitorThatCannotStartShowsOneBoxAtATime) {
  ASSERT_TRUE(WaitFor([&] { return Monitors().size() == 1; }, 5000));
  EndProcess(Monitors()[0]);
  const std::wstring monitor = std::wstring(kProgramFolder) + L"\\Lectavo_Monitor.exe";
  ASSERT_TRUE(WaitFor([&] { return DeleteFileW(monitor.c_str()) != FALSE; }, 3000));

  ASSERT_TRUE(WaitFor([&] { return MessageBoxes().size() == 1; }, 8000));
  const HWND box = MessageBoxes()[0];
  wchar_t caption[32] = {};
  wchar_t text[128] = {};
  GetWindowTextW(box, caption, 32);
  GetDlgItemTextW(box, 0xFFFF, text, 128);
  EXPECT_STREQ(caption, L"Fehler");
  EXPECT_STREQ(text, L"Lectavo-Monitor konnte nicht gestartet werden.");
  Sleep(4500);  // two more refresh queries while the box is open
  EXPECT_EQ(MessageBoxes().size(), 1u) << "no box on top of the open one";

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }, 3000));
  ASSERT_TRUE(WaitFor([&] { return MessageBoxes().size() == 1; }, 5000))
      << "the next query tries again";
  ASSERT_TRUE(CopyFileW(PackageFile(L"Lectavo_Monitor.exe").c_str(), monitor.c_str(), FALSE));
  PostMessageW(MessageBoxes()[0], WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return Monitors().size() == 1; }, 5000));
  EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(TodayHostWineTest, ClickOnTheItemStartsTheConfigurationProgram) {
  ASSERT_TRUE(ChildrenOf(host, L"Lectavo_Config.exe").empty());
  RECT rect{};
  GetWindowRect(item, &rect);
  SetCursorPos(rect.left + 120, rect.top + 15);  // on the empty rest of the line
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
  EXPECT_TRUE(WaitFor([&] { return ChildrenOf(host, L"Lectavo_Config.exe").size() == 1; }, 5000));
}

TEST_F(TodayHostWineTest, ReadingSwitchedOffShowsTheCrossedOutLoudspeaker) {
  Screenshot on;
  ASSERT_TRUE(WaitFor(
      [&] {
        on = Capture(screen);
        return CountInIcon(on, 2, IsYellow) > 60 && CountInIcon(on, 22, IsDark) > 20;
      },
      5000))
      << "the yellow disc and the loudspeaker";
  Save(on, L"today_host_reading_on.bmp");
  EXPECT_EQ(CountInIcon(on, 22, IsRed), 0);

  ASSERT_TRUE(PutSettings(kReadingOff));
  Screenshot off;
  EXPECT_TRUE(WaitFor(
      [&] {
        off = Capture(screen);
        return CountInIcon(off, 22, IsRed) > 30;
      },
      5000))
      << "the next query repaints the crossed-out loudspeaker";
  Save(off, L"today_host_reading_off.bmp");
  EXPECT_GT(CountInIcon(off, 2, IsYellow), 60);
}

TEST_F(TodayHostWineTest, SettingChangeReloadsTheItems) {
  ASSERT_TRUE(WaitFor([&] { return Monitors().size() == 1; }, 5000));
  const HWND before = item;
  SendMessageW(screen, WM_SETTINGCHANGE, 0xF2, 0);
  ASSERT_TRUE(WaitFor(
      [&] {
        item = ItemWindow();
        return item != nullptr && item != before && ItemHeight() == 30;
      },
      5000));
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(WaitFor([&] { return Monitors().size() == 2; }, 5000))
      << "the new item starts its monitor although one runs";
}

}  // namespace
}  // namespace lectavo::wine
