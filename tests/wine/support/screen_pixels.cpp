#include "tests/wine/support/screen_pixels.h"

#include <algorithm>

#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

int Red(DWORD p) { return (p >> 16) & 0xFF; }
int Green(DWORD p) { return (p >> 8) & 0xFF; }
int Blue(DWORD p) { return p & 0xFF; }

}  // namespace

Screenshot Capture(HWND window) {
  RECT rect{};
  Screenshot shot;
  if (!GetWindowRect(window, &rect)) return shot;
  shot.width = rect.right - rect.left;
  shot.height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = shot.width;
  info.bmiHeader.biHeight = -shot.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, shot.width, shot.height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  shot.pixels.assign(first, first + shot.width * shot.height);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

bool SaveToBuild(const Screenshot& shot, const std::wstring& name) {
  if (shot.pixels.empty()) return false;
  std::vector<DWORD> pixels = shot.pixels;
  // The screen leaves the alpha byte 0; viewers would take that as transparent.
  for (DWORD& pixel : pixels) pixel |= 0xFF000000;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = shot.width;
  header.biHeight = -shot.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  const auto bytes = static_cast<DWORD>(pixels.size() * sizeof(DWORD));
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + bytes;
  CreateDirectoryW(BuildPath(L"screenshots").c_str(), nullptr);
  const HANDLE out = CreateFileW(BuildPath(L"screenshots\\" + name).c_str(), GENERIC_WRITE, 0,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(out, &file, sizeof file, &written, nullptr) &&
                  WriteFile(out, &header, sizeof header, &written, nullptr) &&
                  WriteFile(out, pixels.data(), bytes, &written, nullptr);
  CloseHandle(out);
  return ok;
}

bool IsRed(DWORD p) { return Red(p) > 180 && Green(p) < 80 && Blue(p) < 80; }
bool IsYellow(DWORD p) { return Red(p) > 200 && Green(p) > 150 && Blue(p) < 80; }
bool IsDark(DWORD p) { return Red(p) < 100 && Green(p) < 100 && Blue(p) < 100; }

int CountIn(const Screenshot& shot, HWND window, const RECT& area, bool (*matches)(DWORD)) {
  RECT origin{};
  if (shot.pixels.empty() || !GetWindowRect(window, &origin)) return 0;
  const int left = std::max<int>(0, area.left - origin.left);
  const int top = std::max<int>(0, area.top - origin.top);
  const int right = std::min<int>(shot.width, area.right - origin.left);
  const int bottom = std::min<int>(shot.height, area.bottom - origin.top);
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) count += matches(shot.At(x, y));
  }
  return count;
}

int DarkPixelsOf(const Screenshot& shot, HWND window, HWND control) {
  RECT area{};
  if (control == nullptr || !IsWindowVisible(control) || !GetClientRect(control, &area)) return 0;
  MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return CountIn(shot, window, area, IsDark);
}

}  // namespace lectavo::wine
