#include "tests/wine/support/screen_pixels.h"

namespace lectavo::wine {
namespace {

int Red(DWORD p) { return (p >> 16) & 0xFF; }
int Green(DWORD p) { return (p >> 8) & 0xFF; }
int Blue(DWORD p) { return p & 0xFF; }

}  // namespace

Screenshot Capture(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  Screenshot shot;
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

bool IsRed(DWORD p) { return Red(p) > 180 && Green(p) < 80 && Blue(p) < 80; }
bool IsYellow(DWORD p) { return Red(p) > 200 && Green(p) > 150 && Blue(p) < 80; }
bool IsDark(DWORD p) { return Red(p) < 100 && Green(p) < 100 && Blue(p) < 100; }

}  // namespace lectavo::wine
