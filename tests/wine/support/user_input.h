// Input as a user gives it to a program's windows under Wine: the keyboard focus, keys, typed
// characters, key chords, mouse clicks on a control, a list line or a tab. Each waits, for a
// bounded time, until what it gives has arrived where that can be seen. Works on another
// process's windows as on the test's own. Waiting for a condition: device::WaitUntil; for a
// program's dialog: WaitForDialog (ui_driver.h).
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

namespace lectavo::wine {

// The window that has the keyboard focus in the thread of window; nullptr when none has.
HWND FocusedWindow(HWND window);
// Moves the focus to control in its program's own thread, as the dialog manager does
// (WM_NEXTDLGCTL posted to its dialog); whether the focus got there.
bool Focus(HWND control);
// A key pressed and released at control, which should have the focus (see Focus): posted, so
// it passes the program's dialog loop as a typed key does. Posted keys leave the modifiers'
// state unchanged: no chords.
bool PressKey(HWND control, WORD key);
// Characters typed at control, each as its WM_CHAR posted.
bool TypeChars(HWND control, const wchar_t* text);
// A chord such as Shift+Tab as real input, the keys pressed in order and released in reverse,
// with window's dialog brought to the front first.
bool PressChord(HWND window, std::initializer_list<WORD> keys);
// The same for whichever window is in front, as a person types without looking: nothing is
// brought forward.
bool PressChordInFront(std::initializer_list<WORD> keys);

// A left click at a point of the screen, as real mouse input that carries the point with it.
bool ClickAt(POINT screenPoint);
// A left click at a point of control's client area, or in its middle. When arrived does not
// hold within a while, the click is given once more: under a virtual desktop the first click
// on a freshly shown window of another process is sometimes lost. Only for clicks a second
// one cannot undo once the first has arrived. Whether arrived holds in the end.
bool ClickControl(HWND control, POINT client, const std::function<bool()>& arrived);
bool ClickControl(HWND control, const std::function<bool()>& arrived);
// A mouse click on a line of a list box, found from its top line and line height: a
// multiple-selection list toggles the line and notifies. Given again only when the list shows
// no change at all, so a slow click is never doubled. Whether that line, and no other, changed.
bool ClickLine(HWND list, int index);
// The middle of a list box line in the list's client coordinates.
POINT LineMiddle(HWND list, int line);
// Where a tab's caption lies in the tab control's client coordinates; false for a caption
// scrolled out of view.
bool TabRect(HWND tab, int index, RECT* rect);

}  // namespace lectavo::wine
