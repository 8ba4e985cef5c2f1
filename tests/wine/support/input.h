// Real input to another program's windows under Wine, as a user gives it: the focus moved in
// the program's own thread, keys that pass its dialog loop, chords and mouse clicks through
// the system's input queue.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace lectavo::wine {

// Checks condition every 10 ms; false when it still fails after timeoutMs.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// The window with the keyboard focus in the thread that owns window; nullptr when none.
HWND FocusOf(HWND window);
// Moves the focus to control as the dialog manager does (WM_NEXTDLGCTL posted to dialog);
// false when it did not arrive.
bool FocusControl(HWND dialog, HWND control);

// A key typed at the focused window: WM_KEYDOWN and WM_KEYUP posted to it, so the key passes
// the program's dialog loop. Posted keys do not change the key state: no chords.
void PostKey(HWND focused, WORD virtualKey);
// Characters typed at the focused window, each as its WM_CHAR posted.
void PostText(HWND focused, const wchar_t* text);
// A chord such as Ctrl+Tab: the keys pressed in order and released in reverse through
// SendInput, once dialog is the foreground window; false when it could not be made so.
bool SendChord(HWND dialog, std::initializer_list<WORD> keys);

// A left click of the mouse at a point of window's client area, through SendInput.
void MouseClick(HWND window, POINT client);
// Clicks once, and once more when changed has not come true within a second: the first
// click on a freshly shown window of another process is sometimes lost. Returns changed().
bool MouseClickUntil(HWND window, POINT client, const std::function<bool()>& changed);
// The middle of a control, of a list box line, of a tab, in their own client coordinates.
POINT Middle(HWND control);
POINT LineMiddle(HWND list, int line);
// False for a tab scrolled out of view.
bool TabRect(HWND tab, int index, RECT* rect);

}  // namespace lectavo::wine
