// The device's Today screen: a 240 x 320 window that loads the items registered under
// HKLM\SOFTWARE\Microsoft\Today\Items (values "DLL", "Order", "Enabled"), makes each through
// its export 240, asks every item every two seconds whether it must be redrawn, stacks the
// items by their heights and paints the background behind them.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "today/today_records.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TodayScreen";
constexpr wchar_t kItemsKey[] = L"SOFTWARE\\Microsoft\\Today\\Items";
constexpr wchar_t kShellReadyEvent[] = L"SYSTEM/ShellAPIReady";
constexpr WPARAM kReloadItems = 0xF2;
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMilliseconds = 2000;
constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;
constexpr int kHeaderHeight = 24;
constexpr wchar_t kQueriesProperty[] = L"RefreshQueries";

struct LoadedItem {
  TODAYLISTITEM record{};
  HMODULE library = nullptr;
};

// The record's address is the item's wParam at every query: it must not move.
std::vector<std::unique_ptr<LoadedItem>> items;
// An item may be inside a message box of its own when the reload is asked for; its library
// is unloaded only from the main message loop, where no item code runs.
bool reloadWanted = false;

DWORD ReadDword(HKEY key, const wchar_t* name, DWORD fallback) {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS
             ? value
             : fallback;
}

std::wstring ReadText(HKEY key, const wchar_t* name) {
  wchar_t text[MAX_PATH] = {};
  DWORD size = sizeof text;
  return RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS
             ? text
             : L"";
}

// The registered items, in their order; items without a library are left out.
std::vector<std::unique_ptr<LoadedItem>> RegisteredItems() {
  std::vector<std::unique_ptr<LoadedItem>> found;
  HKEY itemsKey = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kItemsKey, 0, KEY_READ, &itemsKey) != ERROR_SUCCESS) {
    return found;
  }
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(std::size(name));
    if (RegEnumKeyExW(itemsKey, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    HKEY itemKey = nullptr;
    if (RegOpenKeyExW(itemsKey, name, 0, KEY_READ, &itemKey) != ERROR_SUCCESS) continue;
    auto item = std::make_unique<LoadedItem>();
    TODAYLISTITEM& record = item->record;
    wcsncpy(record.szName, name, std::size(record.szName) - 1);
    record.tlit = tlitCustom;
    record.dwOrder = ReadDword(itemKey, L"Order", 0);
    record.fEnabled = ReadDword(itemKey, L"Enabled", 1) != 0;
    const std::wstring library = ReadText(itemKey, L"DLL");
    wcsncpy(record.szDLLPath, library.c_str(), std::size(record.szDLLPath) - 1);
    RegCloseKey(itemKey);
    if (!library.empty()) found.push_back(std::move(item));
  }
  RegCloseKey(itemsKey);
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a->record.dwOrder < b->record.dwOrder;
  });
  return found;
}

void LoadItems(HWND screen) {
  for (auto& item : RegisteredItems()) {
    if (!item->record.fEnabled) continue;
    item->library = LoadLibraryW(item->record.szDLLPath);
    if (item->library == nullptr) continue;
    const auto initialise = reinterpret_cast<InitializeCustomItemFunction>(reinterpret_cast<void*>(
        GetProcAddress(item->library, MAKEINTRESOURCEA(kInitializeCustomItemOrdinal))));
    item->record.hinstDLL = item->library;
    item->record.hwndCustom = initialise != nullptr ? initialise(&item->record, screen) : nullptr;
    if (item->record.hwndCustom == nullptr) {
      FreeLibrary(item->library);
      continue;
    }
    items.push_back(std::move(item));
  }
}

void UnloadItems() {
  for (auto& item : items) {
    DestroyWindow(item->record.hwndCustom);
    FreeLibrary(item->library);
  }
  items.clear();
}

void LayOut(HWND screen) {
  RECT client;
  GetClientRect(screen, &client);
  int top = kHeaderHeight;
  for (auto& item : items) {
    const int height = static_cast<int>(item->record.cyp);
    MoveWindow(item->record.hwndCustom, 0, top, client.right, height, TRUE);
    top += height;
  }
  InvalidateRect(screen, nullptr, TRUE);
}

void Refresh(HWND screen) {
  // Counted where a test can read it (a window property), so it can wait on queries.
  const auto queries = reinterpret_cast<std::uintptr_t>(GetPropW(screen, kQueriesProperty));
  SetPropW(screen, kQueriesProperty, reinterpret_cast<HANDLE>(queries + 1));
  bool changed = false;
  for (auto& item : items) {
    if (SendMessageW(item->record.hwndCustom, WM_TODAYCUSTOM_QUERYREFRESHCACHE,
                     reinterpret_cast<WPARAM>(&item->record), 0)) {
      changed = true;
      InvalidateRect(item->record.hwndCustom, nullptr, TRUE);
    }
  }
  if (changed) LayOut(screen);
}

// A soft blue gradient from the top to the bottom of the screen; origin is where the
// device context's (0, 0) lies on the screen.
void PaintBackground(HDC dc, const RECT& area, POINT origin) {
  for (int y = area.top; y < area.bottom; ++y) {
    const int screenY = std::clamp(static_cast<int>(y + origin.y), 0, kScreenHeight);
    const int fade = screenY * 60 / kScreenHeight;
    const HBRUSH brush = CreateSolidBrush(RGB(232 - fade, 240 - fade / 2, 252));
    const RECT line{area.left, y, area.right, y + 1};
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
}

void PaintHeader(HWND screen, HDC dc) {
  RECT header{8, 0, kScreenWidth, kHeaderHeight};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(20, 40, 90));
  DrawTextW(dc, L"Heute", -1, &header, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  RECT client;
  GetClientRect(screen, &client);
  const HBRUSH line = CreateSolidBrush(RGB(20, 40, 90));
  const RECT rule{0, kHeaderHeight - 1, client.right, kHeaderHeight};
  FillRect(dc, &rule, line);
  DeleteObject(line);
}

LRESULT CALLBACK ScreenProcedure(HWND screen, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      LoadItems(screen);
      Refresh(screen);
      SetTimer(screen, kRefreshTimer, kRefreshMilliseconds, nullptr);
      return 0;
    case WM_TIMER:
      if (wParam == kRefreshTimer) Refresh(screen);
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == kReloadItems) {
        reloadWanted = true;
        PostMessageW(screen, WM_NULL, 0, 0);  // wakes the main loop
      }
      return 0;
    case TODAYM_DRAWWATERMARK: {
      const auto* watermark = reinterpret_cast<const TODAYDRAWWATERMARKINFO*>(lParam);
      POINT origin{0, 0};
      MapWindowPoints(watermark->hwnd, screen, &origin, 1);
      PaintBackground(watermark->hdc, watermark->rc, origin);
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(screen, &client);
      PaintBackground(reinterpret_cast<HDC>(wParam), client, POINT{0, 0});
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(screen, &paint);
      PaintHeader(screen, dc);
      EndPaint(screen, &paint);
      return 0;
    }
    case WM_DESTROY:
      KillTimer(screen, kRefreshTimer);
      RemovePropW(screen, kQueriesProperty);
      UnloadItems();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(screen, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // As a shell does: items may hand COM objects to other processes from this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The shell's sign to its items that its interfaces can be used.
  const HANDLE shellReady = CreateEventW(nullptr, TRUE, TRUE, kShellReadyEvent);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ScreenProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, kScreenWidth, kScreenHeight};
  AdjustWindowRect(&frame, style, FALSE);
  const HWND screen =
      CreateWindowExW(0, kWindowClass, L"Today", style, 20, 20, frame.right - frame.left,
                      frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (screen == nullptr) {
    // Said on the output, where whoever started the device looks for the reason.
    fwprintf(stderr, L"TodayHost: the Today screen's window could not be made (error %lu)\n",
             GetLastError());
    return 1;
  }
  ShowWindow(screen, show);
  UpdateWindow(screen);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (reloadWanted) {
      reloadWanted = false;
      UnloadItems();
      LoadItems(screen);
      Refresh(screen);  // new items answer TRUE at once and are laid out
    }
  }
  CloseHandle(shellReady);
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
