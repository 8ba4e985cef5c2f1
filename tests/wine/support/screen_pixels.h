// A window's pixels as the screen shows them, for checks of what is drawn where.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

namespace lectavo::wine {

// Top row first, each pixel 0x00RRGGBB.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;

  DWORD At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Screenshot Capture(HWND window);

// The colours of the Today item's icons.
bool IsRed(DWORD pixel);
bool IsYellow(DWORD pixel);
bool IsDark(DWORD pixel);

}  // namespace lectavo::wine
