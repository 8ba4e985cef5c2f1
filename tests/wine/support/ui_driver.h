// Drives a real program under Wine as a user would: start it from the package folder, find
// its windows by process id and its controls by id, click, type, choose, select tabs, read
// what is shown, and take screenshots into the build folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lectavo::wine {

// A file of the package folder, and a path below the build folder, as Wine sees them.
std::wstring PackagePath(const std::wstring& file);
std::wstring BuildPath(const std::wstring& relative);

// A program started by the test; the destructor ends it, by its handle, if it still runs.
class Program {
 public:
  explicit Program(const std::wstring& path);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Process() const { return info_.hProcess; }
  bool WaitForExit(DWORD milliseconds);

 private:
  PROCESS_INFORMATION info_{};
};

// The first visible top-level dialog of the process whose caption is caption (any caption
// when null); nullptr after timeout.
HWND WaitForDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMilliseconds = 10000);
// Every visible top-level window of the process.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The control with this id anywhere below root; nullptr when there is none.
HWND FindControl(HWND root, int id);

// What a user's click on a button or check box sends.
void Click(HWND button);
void Type(HWND edit, const std::wstring& text);
// A line chosen from a combo box's list.
void ChooseItem(HWND combo, int index);
// A mouse click on a list box line; a multiple-selection list toggles it and notifies.
void ClickLine(HWND list, int index);
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

// The window as shown on the screen, as a 24-bit BMP file; false on failure.
bool SaveScreenshot(HWND window, const std::wstring& path);
// The same into the build's screenshots folder, by file name.
bool SaveBuildScreenshot(HWND window, const std::wstring& name);

}  // namespace lectavo::wine
