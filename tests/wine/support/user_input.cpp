#include "tests/wine/support/user_input.h"

#include <commctrl.h>

#include <vector>

#include "tests/wine/support/device.h"

namespace lectavo::wine {
namespace {

// How long a click or the focus is given to arrive before it counts as lost; generous, as a
// loaded machine delays a click that a second one would then undo.
constexpr DWORD kArrivalMs = 3000;

LPARAM KeyData(WORD key, bool release) {
  const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  return static_cast<LPARAM>(1 | (scanCode << 16) | (release ? 0xC0000000u : 0u));
}

INPUT Key(WORD key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

// A mouse event at an absolute point: the point travels with the event, so a cursor position
// still on its way from the display cannot send the click elsewhere.
INPUT Mouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the screen.
  input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

bool BringToFront(HWND window) {
  const HWND root = GetAncestor(window, GA_ROOT);
  SetForegroundWindow(root);
  return device::WaitUntil([root] { return GetForegroundWindow() == root; }, kArrivalMs);
}

bool ClickThenCheck(POINT point, const std::function<bool()>& arrived) {
  return ClickAt(point) && device::WaitUntil(arrived, kArrivalMs);
}

// What a click on a list line can change: every line's selection, and the caret.
std::vector<LRESULT> ListState(HWND list) {
  std::vector<LRESULT> state;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int line = 0; line < count; ++line) state.push_back(SendMessageW(list, LB_GETSEL, line, 0));
  state.push_back(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  return state;
}

}  // namespace

HWND FocusedWindow(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool Focus(HWND control) {
  PostMessageW(GetAncestor(control, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control),
               TRUE);
  return device::WaitUntil([control] { return FocusedWindow(control) == control; }, kArrivalMs);
}

bool PressKey(HWND control, WORD key) {
  return PostMessageW(control, WM_KEYDOWN, key, KeyData(key, false)) &&
         PostMessageW(control, WM_KEYUP, key, KeyData(key, true));
}

bool TypeChars(HWND control, const wchar_t* text) {
  for (; *text != L'\0'; ++text) {
    if (!PostMessageW(control, WM_CHAR, *text, 1)) return false;
  }
  return true;
}

bool PressChord(HWND window, std::initializer_list<WORD> keys) {
  return BringToFront(window) && PressChordInFront(keys);
}

bool PressChordInFront(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs.push_back(Key(*key, true));
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

bool ClickAt(POINT screenPoint) {
  INPUT click[] = {Mouse(0, screenPoint), Mouse(MOUSEEVENTF_LEFTDOWN, screenPoint),
                   Mouse(MOUSEEVENTF_LEFTUP, screenPoint)};
  return SendInput(3, click, sizeof(INPUT)) == 3;
}

bool ClickControl(HWND control, POINT client, const std::function<bool()>& arrived) {
  if (!BringToFront(control) || !ClientToScreen(control, &client)) return false;
  return ClickThenCheck(client, arrived) || ClickThenCheck(client, arrived);
}

bool ClickControl(HWND control, const std::function<bool()>& arrived) {
  RECT rect{};
  GetClientRect(control, &rect);
  return ClickControl(control, {rect.right / 2, rect.bottom / 2}, arrived);
}

bool ClickLine(HWND list, int index) {
  POINT point = LineMiddle(list, index);
  if (!BringToFront(list) || !ClientToScreen(list, &point)) return false;
  const std::vector<LRESULT> before = ListState(list);
  const auto changed = [&] { return ListState(list) != before; };
  // Once the list has taken the click in any way, a second one would undo or spoil it.
  if (!ClickThenCheck(point, changed) && !ClickThenCheck(point, changed)) return false;
  std::vector<LRESULT> after = ListState(list);
  std::vector<LRESULT> expected = before;
  expected[index] = after[index];
  expected.back() = index;
  return after[index] != before[index] && after == expected;
}

POINT LineMiddle(HWND list, int line) {
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  return {8, (line - top) * height + height / 2};
}

// TCM_GETITEMRECT writes into the memory of the program that owns the tab control.
bool TabRect(HWND tab, int index, RECT* rect) {
  DWORD processId = 0;
  GetWindowThreadProcessId(tab, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) return false;
  void* remote = VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  const bool shown = remote != nullptr &&
                     SendMessageW(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)) &&
                     ReadProcessMemory(process, remote, rect, sizeof(RECT), nullptr);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return shown;
}

}  // namespace lectavo::wine
