#include "tests/wine/support/input.h"

#include <commctrl.h>

#include <vector>

namespace lectavo::wine {
namespace {

LPARAM KeyData(WORD virtualKey, bool release) {
  const auto scan = static_cast<LPARAM>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  return 1 | (scan << 16) | (release ? static_cast<LPARAM>(0xC0000000) : 0);
}

INPUT Key(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT Mouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the screen.
  input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(10);
  }
  return true;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  return thread != 0 && GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool FocusControl(HWND dialog, HWND control) {
  PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  return WaitFor([&] { return FocusOf(dialog) == control; });
}

void PostKey(HWND focused, WORD virtualKey) {
  PostMessageW(focused, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
  PostMessageW(focused, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void PostText(HWND focused, const wchar_t* text) {
  for (; *text != L'\0'; ++text) PostMessageW(focused, WM_CHAR, *text, 1);
}

bool SendChord(HWND dialog, std::initializer_list<WORD> keys) {
  SetForegroundWindow(dialog);
  if (!WaitFor([&] { return GetForegroundWindow() == dialog; })) return false;
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs.push_back(Key(*key, true));
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
         inputs.size();
}

void MouseClick(HWND window, POINT client) {
  ClientToScreen(window, &client);
  INPUT inputs[] = {Mouse(0, client), Mouse(MOUSEEVENTF_LEFTDOWN, client),
                    Mouse(MOUSEEVENTF_LEFTUP, client)};
  SendInput(3, inputs, sizeof(INPUT));
}

bool MouseClickUntil(HWND window, POINT client, const std::function<bool()>& changed) {
  MouseClick(window, client);
  if (WaitFor(changed, 1000)) return true;
  MouseClick(window, client);
  return WaitFor(changed, 3000);
}

POINT Middle(HWND control) {
  RECT r{};
  GetClientRect(control, &r);
  return {r.right / 2, r.bottom / 2};
}

POINT LineMiddle(HWND list, int line) {
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  return {8, (line - top) * height + height / 2};
}

// TCM_GETITEMRECT writes into the program's own memory.
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
