// The Today item as a screen reader sees it: a push button named by the reading state, whose
// default action taps the item.
#pragma once

#include <windows.h>

#include "platform/types.h"

namespace lectavo {

// The item's name as it is when a screen reader asks.
using ItemName = WStringView (*)();

// The answer to WM_GETOBJECT for the item window's client area (flags: the message's
// wParam). The window keeps one object for every screen reader that asks.
LRESULT AnswerAccessibleObject(HWND window, WPARAM flags, ItemName name);

// Cuts the window's object off from the screen readers that still hold it, before the
// window and perhaps the library are gone.
void ReleaseAccessibleObject(HWND window);

}  // namespace lectavo
