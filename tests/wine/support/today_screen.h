// The Today screen stand-in as the Wine tests see it: its window, the Lectavo item on it, and
// the item's icons as the screen draws them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "tests/wine/support/screen_pixels.h"

namespace lectavo::wine {

// The Today screen of that host process; nullptr when it has none (yet).
HWND FindTodayScreen(DWORD hostProcessId);
// The Lectavo item's window on the screen; nullptr when the screen does not show it.
HWND FindLectavoItem(HWND screen);
// The refresh queries the screen has made so far, as it counts them.
std::uintptr_t RefreshQueries(HWND screen);

// Pixels that match in the 16 x 16 icon the item draws at (x, 2) of its line, on a capture
// of the screen.
int CountInIcon(const Screenshot& shot, HWND screen, HWND item, int x, bool (*matches)(DWORD));
// Reading on: the yellow disc, and the loudspeaker not crossed out.
bool ShowsLoudspeaker(const Screenshot& shot, HWND screen, HWND item);
// Reading off: the yellow disc, and the loudspeaker crossed out in red.
bool ShowsCrossedOutLoudspeaker(const Screenshot& shot, HWND screen, HWND item);

}  // namespace lectavo::wine
