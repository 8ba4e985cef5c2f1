// Drives a real program's windows under Wine by message: find its windows by process id and
// its controls by id, click, type, choose, select tabs, read what is shown, and save
// screenshots into the build folder. Real keyboard and mouse input: user_input.h.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/wine/support/screen_pixels.h"

namespace lectavo::wine {

// The first visible top-level dialog of the process whose caption is caption (any caption
// when null); nullptr after timeout.
HWND WaitForDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMilliseconds = 10000);
// Every visible top-level window of the process.
std::vector<HWND> TopLevelWindows(DWORD processId);
// Every window below root.
std::vector<HWND> Descendants(HWND root);
// The control with this id anywhere below root; nullptr when there is none.
HWND FindControl(HWND root, int id);

// What a user's click on a button or check box sends.
void Click(HWND button);
void Type(HWND edit, const std::wstring& text);
// A line chosen from a combo box's list.
void ChooseItem(HWND combo, int index);
// A click on a tab: moves the focus to it, which selects it and notifies the parent.
void SelectTab(HWND tab, int index);
// Asks the window to close, as its close box does.
void Close(HWND window);

int CheckState(HWND button);
std::wstring Text(HWND window);
// Texts of every window below root, e.g. a message box's text.
std::vector<std::wstring> Texts(HWND root);
int SelectedTab(HWND tab);
std::vector<std::wstring> ListLines(HWND list);
// The selected lines of a multiple-selection list box, in order.
std::vector<int> SelectedLines(HWND list);
std::vector<std::wstring> TabCaptions(HWND tab);

// The window brought to the front, redrawn and captured as the screen shows it once shows
// holds for the capture (the program paints in its own time; at most 5 s), and saved by file
// name into the build's screenshots folder; the capture, for checks of what it shows (the last
// one taken when shows never held; empty when it could not be taken or saved).
Screenshot SaveBuildScreenshot(HWND window, const std::wstring& name,
                               const std::function<bool(const Screenshot&)>& shows);
// Fewer dark pixels than a short text draws at the dialog's font.
inline constexpr int kTextPixels = 30;
// Whether the screen shows control's text, more than minimum dark pixels in its client area,
// once window has painted it; the screenshot saved by name.
bool TextDrawn(HWND window, HWND control, const std::wstring& name, int minimum = kTextPixels);

}  // namespace lectavo::wine
