// lectavo-device: what a person does with the device's screen, for make run without a display.
//   lectavo-device wait-window TITLE SECONDS   waits for a visible window with that title
//   lectavo-device tap CLASS                   taps the first window of that class
//   lectavo-device screenshot TITLE FILE.bmp   saves what the window shows
//   lectavo-device close TITLE                 asks the window to close
//   lectavo-device signal EVENT                sets a named event
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

HWND FindVisibleWindow(const std::wstring& title) {
  HWND window = FindWindowW(nullptr, title.c_str());
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

struct ClassSearch {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<ClassSearch*>(context);
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  if (wcscmp(name, search->className) == 0) {
    search->found = window;
    return FALSE;
  }
  EnumChildWindows(window, MatchClass, context);
  return search->found == nullptr;
}

int WaitWindow(const std::wstring& title, int seconds) {
  for (int tries = 0; tries < seconds * 10; ++tries) {
    if (FindVisibleWindow(title) != nullptr) return 0;
    Sleep(100);
  }
  return 1;
}

int Tap(const wchar_t* className) {
  ClassSearch search{className, nullptr};
  EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  PostMessageW(search.found, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(search.found, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  return 0;
}

int Screenshot(const std::wstring& title, const wchar_t* file) {
  HWND window = FindVisibleWindow(title);
  if (window == nullptr) return 1;
  SetForegroundWindow(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  RECT rect;
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
  const DWORD imageBytes = rowBytes * height;
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof header + sizeof info.bmiHeader;
  header.bfSize = header.bfOffBits + imageBytes;
  int result = 1;
  if (FILE* out = _wfopen(file, L"wb")) {
    fwrite(&header, sizeof header, 1, out);
    fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
    fwrite(pixels, imageBytes, 1, out);
    result = fclose(out) == 0 ? 0 : 1;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return result;
}

int Close(const std::wstring& title) {
  HWND window = FindVisibleWindow(title);
  return window != nullptr && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

int Signal(const wchar_t* name) {
  HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return 1;
  const bool set = SetEvent(event) != FALSE;
  CloseHandle(event);
  return set ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == L"wait-window") return WaitWindow(args[1], _wtoi(argv[3]));
  if (args.size() == 2 && args[0] == L"tap") return Tap(argv[2]);
  if (args.size() == 3 && args[0] == L"screenshot") return Screenshot(args[1], argv[3]);
  if (args.size() == 2 && args[0] == L"close") return Close(args[1]);
  if (args.size() == 2 && args[0] == L"signal") return Signal(argv[2]);
  fputws(L"usage: lectavo-device wait-window TITLE SECONDS | tap CLASS | "
         L"screenshot TITLE FILE.bmp | close TITLE | signal EVENT\n", stderr);
  return 2;
}
