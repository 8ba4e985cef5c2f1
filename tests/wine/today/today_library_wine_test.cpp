// The real Lectavo_Today.dll loaded into this process, as the Today screen loads it: its
// export, its resources and its item window's answers to the screen's messages.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/wine/support/icon_resources.h"
#include "tests/wine/today/today_wine_support.h"
#include "today/today_records.h"

namespace lectavo::wine {
namespace {

// The Today screen's side: remembers the background requests it gets.
TODAYDRAWWATERMARKINFO lastWatermark{};
int watermarkRequests = 0;

LRESULT CALLBACK ScreenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TODAYM_DRAWWATERMARK) {
    lastWatermark = *reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam);
    ++watermarkRequests;
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class TodayLibraryWineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(PlacePrograms());
    ASSERT_TRUE(PutSettings(kReadingOn));
    shellReady = CreateEventW(nullptr, TRUE, TRUE, L"SYSTEM/ShellAPIReady");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ScreenProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"LibraryTestScreen";
    RegisterClassW(&windowClass);
    screen = CreateWindowExW(0, L"LibraryTestScreen", L"", WS_OVERLAPPEDWINDOW, 0, 0, 260, 200,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    library = LoadLibraryW(kDevicePathOfLibrary.c_str());
    ASSERT_NE(library, nullptr);
    initialise = reinterpret_cast<InitializeCustomItemFunction>(reinterpret_cast<void*>(
        GetProcAddress(library, MAKEINTRESOURCEA(kInitializeCustomItemOrdinal))));
    ASSERT_NE(initialise, nullptr);
  }

  void TearDown() override {
    if (screen != nullptr) DestroyWindow(screen);
    if (library != nullptr) FreeLibrary(library);
    UnregisterClassW(L"LibraryTestScreen", GetModuleHandleW(nullptr));
    CloseHandle(shellReady);
    // The monitors the item started belong to this test.
    for (DWORD id : device::ChildrenOf(GetCurrentProcessId())) device::EndProcess(id);
  }

  LRESULT Query(TODAYLISTITEM& record) {
    return SendMessageW(record.hwndCustom, WM_TODAYCUSTOM_QUERYREFRESHCACHE,
                        reinterpret_cast<WPARAM>(&record), 0);
  }

  HANDLE shellReady = nullptr;
  HWND screen = nullptr;
  HMODULE library = nullptr;
  InitializeCustomItemFunction initialise = nullptr;
};

TEST_F(TodayLibraryWineTest, ExportsOnlyNumber240WithoutAName) {
  const auto* base = reinterpret_cast<const BYTE*>(library);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* exports =
      reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  EXPECT_EQ(exports->Base, 240u);
  EXPECT_EQ(exports->NumberOfFunctions, 1u);
  EXPECT_EQ(exports->NumberOfNames, 0u);
  EXPECT_EQ(GetProcAddress(library, "InitializeCustomItem"), nullptr);
}

TEST_F(TodayLibraryWineTest, CarriesItsNameAndThreeSmallIcons) {
  wchar_t name[64] = {};
  ASSERT_GT(LoadStringW(library, 1, name, 64), 0);
  EXPECT_STREQ(name, kItemClass);
  for (int id : {102, 109, 110}) {
    SCOPED_TRACE(id);
    const auto icon =
        static_cast<HICON>(LoadImageW(library, MAKEINTRESOURCEW(id), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 16);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DestroyIcon(icon);
  }
  using Images = std::vector<std::pair<int, int>>;
  EXPECT_EQ(IconImages(library, 102), (Images{{16, 8}, {16, 32}})) << "the product's disc";
  EXPECT_EQ(IconImages(library, 109), (Images{{16, 24}})) << "reading on";
  EXPECT_EQ(IconImages(library, 110), (Images{{16, 24}})) << "reading off";
}

TEST_F(TodayLibraryWineTest, ItemWindowAnswersTheScreensMessages) {
  TODAYLISTITEM record{};
  record.hwndCustom = initialise(&record, screen);
  const HWND item = record.hwndCustom;
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(GetParent(item), screen);
  wchar_t className[64] = {};
  GetClassNameW(item, className, 64);
  EXPECT_STREQ(className, kItemClass);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(item, GWL_STYLE)) & (WS_CHILD | WS_VISIBLE),
            DWORD{WS_CHILD | WS_VISIBLE});
  RECT rect{};
  GetClientRect(item, &rect);
  EXPECT_EQ(rect.right, 240);
  EXPECT_EQ(rect.bottom, 0);
  EXPECT_TRUE(device::WaitUntil(
      [] { return !device::ChildrenOf(GetCurrentProcessId(), L"Lectavo_Monitor.exe").empty(); },
      5000))
      << "the item started the monitor";

  // No default processing: whatever the item does not handle answers 1, WM_DESTROY 0.
  EXPECT_EQ(SendMessageW(item, WM_USER + 7, 0, 0), 1);
  EXPECT_EQ(SendMessageW(item, WM_CREATE, 0, 0), 1);
  EXPECT_EQ(SendMessageW(item, WM_DESTROY, 0, 0), 0);
  EXPECT_EQ(SendMessageW(item, WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0, 0), FALSE) << "no record";

  ResetEvent(shellReady);
  EXPECT_EQ(Query(record), FALSE) << "shell not ready";
  EXPECT_EQ(record.cyp, 0u);
  SetEvent(shellReady);
  EXPECT_EQ(Query(record), TRUE);
  EXPECT_EQ(record.cyp, 30u);
  EXPECT_EQ(Query(record), FALSE);
  ASSERT_TRUE(PutSettings(kReadingOff));
  EXPECT_EQ(Query(record), TRUE) << "reading switched off";
  EXPECT_EQ(Query(record), FALSE);

  MoveWindow(item, 0, 10, 240, 30, FALSE);
  const HDC dc = GetDC(item);
  watermarkRequests = 0;
  EXPECT_EQ(SendMessageW(item, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(item, dc);
  ASSERT_EQ(watermarkRequests, 1);
  EXPECT_EQ(lastWatermark.hdc, dc);
  EXPECT_EQ(lastWatermark.hwnd, item);
  EXPECT_EQ(lastWatermark.rc.left, 0);
  EXPECT_EQ(lastWatermark.rc.top, 0);
  EXPECT_EQ(lastWatermark.rc.right, 240);
  EXPECT_EQ(lastWatermark.rc.bottom, 30);
}

}  // namespace
}  // namespace lectavo::wine
