// The control behaviour the programs rely on, on the win32 backend's real controls in this
// process: the shared typed test, with a user who types, clicks and selects as on Win32.
#include <windows.h>
// The framework's controls have a GetWindowText and SetWindowText of their own.
#undef GetWindowText
#undef SetWindowText

#include <cstring>
#include <functional>
#include <string>

#include "framework/win32/win32_window_system.h"
#include "tests/framework/control_behaviour.h"
#include "tests/wine/support/ui_driver.h"
#include "tests/wine/support/user_input.h"

namespace lectavo {
namespace {

HWND Hwnd(Handle handle) { return reinterpret_cast<HWND>(handle); }

// What the shown dialog's message loop runs once the dialog is on the screen.
struct WhileShown {
  Dialog* dialog = nullptr;
  const std::function<void()>* run = nullptr;
};
WhileShown whileShown;

void CALLBACK RunWhileShown(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND dialog = Hwnd(whileShown.dialog->GetSafeHwnd());
  if (dialog == nullptr || !IsWindowVisible(dialog)) return;
  KillTimer(nullptr, timer);
  (*whileShown.run)();
  // Closed as with the close box unless the user ended it.
  if (IsWindow(dialog)) SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

bool PutOnClipboard(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory == nullptr) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  if (!put) GlobalFree(memory);
  CloseClipboard();
  return put;
}

}  // namespace

namespace conformance {

// The win32 backend as the user of the shared control tests.
struct Win32User {
  Win32WindowSystem system{reinterpret_cast<Handle>(GetModuleHandleW(nullptr))};

  WindowSystem& System() { return system; }
  void Show(Dialog& dialog, const std::function<void()>& run) {
    whileShown = {&dialog, &run};
    SetTimer(nullptr, 0, 10, RunWhileShown);
    dialog.DoModal(system);
  }
  void Type(Dialog& dialog, int id, WStringView text) {
    wine::Type(Hwnd(dialog.GetDlgItem(id)), std::wstring(text.begin(), text.end()));
  }
  void Erase(Dialog& dialog, int id) {
    const HWND edit = Hwnd(dialog.GetDlgItem(id));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, VK_BACK, 1);
  }
  void Paste(Dialog& dialog, int id, WStringView text) {
    ASSERT_TRUE(PutOnClipboard(std::wstring(text.begin(), text.end())));
    SendMessageW(Hwnd(dialog.GetDlgItem(id)), WM_PASTE, 0, 0);
  }
  void Click(Dialog& dialog, int id) { wine::Click(Hwnd(dialog.GetDlgItem(id))); }
  void ClickLine(Dialog& dialog, int id, int line) {
    EXPECT_TRUE(wine::ClickLine(Hwnd(dialog.GetDlgItem(id)), line)) << "line " << line;
  }
  void SelectTab(TabCtrl& tab, int index) { wine::SelectTab(Hwnd(tab.GetSafeHwnd()), index); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Controls, ControlBehaviourTest, Win32User);

}  // namespace conformance

}  // namespace lectavo
