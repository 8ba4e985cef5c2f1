// The core's window handles and geometry as Win32 sees them.
#pragma once

#include <windows.h>
// The common controls need the definitions above.
#include <commctrl.h>

#include <cstddef>

#include "framework/window_system.h"

namespace lectavo {

// The core hands these to the controls as they are.
static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(Rect, bottom) == offsetof(RECT, bottom));
static_assert(sizeof(Point) == sizeof(POINT));
static_assert(sizeof(TabItem) == sizeof(TCITEMW) &&
              offsetof(TabItem, text) == offsetof(TCITEMW, pszText) &&
              offsetof(TabItem, param) == offsetof(TCITEMW, lParam));

inline HWND Hwnd(Handle handle) { return reinterpret_cast<HWND>(handle); }
inline Handle ToHandle(HWND window) { return reinterpret_cast<Handle>(window); }

}  // namespace lectavo
