// A window's pixels as the screen shows them, for checks of what is drawn where, and saved as
// BMP files into the build's screenshots folder.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace lectavo::wine {

// Top row first, each pixel 0x00RRGGBB; empty when the window could not be captured.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<DWORD> pixels;

  DWORD At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

Screenshot Capture(HWND window);
// The capture as a 32-bit BMP file named name in the build's screenshots folder.
bool SaveToBuild(const Screenshot& shot, const std::wstring& name);

bool IsRed(DWORD pixel);
bool IsYellow(DWORD pixel);
bool IsDark(DWORD pixel);

// Pixels that match inside area (screen coordinates) of a capture of window; 0 for an empty
// capture.
int CountIn(const Screenshot& shot, HWND window, const RECT& area, bool (*matches)(DWORD));
// Dark pixels inside control's client area (its border left out), as its text draws them, on
// a capture of window; 0 when the control is not shown.
int DarkPixelsOf(const Screenshot& shot, HWND window, HWND control);

}  // namespace lectavo::wine
