#include "tests/wine/support/user_input.h"

#include <vector>

#include "tests/wine/support/device.h"

namespace lectavo::wine {
namespace {

// How long a click or the focus is given to arrive before it counts as lost.
constexpr DWORD kArrivalMs = 1500;

LPARAM KeyData(WORD key, bool release) {
  const UINT scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  return static_cast<LPARAM>(1 | (scanCode << 16) | (release ? 0xC0000000u : 0u));
}

INPUT Key(WORD key, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
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

bool PressChord(HWND window, std::initializer_list<WORD> keys) {
  if (!BringToFront(window)) return false;
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    inputs.push_back(Key(*key, true));
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

bool ClickAt(POINT screenPoint) {
  if (!SetCursorPos(screenPoint.x, screenPoint.y)) return false;
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return SendInput(2, clicks, sizeof(INPUT)) == 2;
}

bool ClickControl(HWND control, const std::function<bool()>& arrived) {
  RECT rect{};
  if (!BringToFront(control) || !GetWindowRect(control, &rect)) return false;
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  return ClickThenCheck(middle, arrived) || ClickThenCheck(middle, arrived);
}

bool ClickLine(HWND list, int index) {
  const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  POINT point{4, (index - top) * height + height / 2};
  if (!BringToFront(list) || !ClientToScreen(list, &point)) return false;
  const LRESULT before = SendMessageW(list, LB_GETSEL, index, 0);
  const auto changed = [&] { return SendMessageW(list, LB_GETSEL, index, 0) != before; };
  return ClickThenCheck(point, changed) || ClickThenCheck(point, changed);
}

}  // namespace lectavo::wine
