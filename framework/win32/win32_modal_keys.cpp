#include "framework/win32/win32_modal_keys.h"

#include "framework/dialog.h"
#include "framework/win32/win32_handles.h"

namespace lectavo {
namespace {

// The modal dialog of this thread sees every key pressed in it before its dialog loop does. It
// is kept in a slot of the system's thread-local storage: the compiler's thread_local would
// bring a threads library into every program built with it.
const DWORD keyDialogSlot = TlsAlloc();

Dialog* KeyDialog() { return static_cast<Dialog*>(TlsGetValue(keyDialogSlot)); }
void SetKeyDialog(Dialog* dialog) { TlsSetValue(keyDialogSlot, dialog); }

// Wine's multiple-selection list toggles its focus line on Space without telling its parent,
// as it does for a click; the page hears of it afterwards, the same way. A second notice of
// a change already made changes nothing.
void NotifySpaceInList(const MSG& message) {
  wchar_t name[16] = {};
  GetClassNameW(message.hwnd, name, 16);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(message.hwnd, GWL_STYLE));
  if (message.wParam != VK_SPACE || lstrcmpiW(name, L"ListBox") != 0 ||
      (style & LBS_MULTIPLESEL) == 0 || (style & LBS_NOTIFY) == 0) {
    return;
  }
  PostMessageW(GetParent(message.hwnd), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(message.hwnd), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(message.hwnd));
}

LRESULT CALLBACK KeyHook(int code, WPARAM wParam, LPARAM lParam) {
  auto* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN) {
    NotifySpaceInList(*message);
  }
  Dialog* const keyDialog = KeyDialog();
  if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN &&
      keyDialog != nullptr) {
    const HWND dialog = Hwnd(keyDialog->GetSafeHwnd());
    if (dialog != nullptr && (message->hwnd == dialog || IsChild(dialog, message->hwnd)) &&
        keyDialog->HandleKey(static_cast<int>(message->wParam), GetKeyState(VK_CONTROL) < 0,
                             GetKeyState(VK_SHIFT) < 0)) {
      message->message = WM_NULL;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ModalKeys::ModalKeys(Dialog& dialog)
    : outer_(KeyDialog()),
      hook_(SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId())) {
  SetKeyDialog(&dialog);
}

ModalKeys::~ModalKeys() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  SetKeyDialog(outer_);
}

}  // namespace lectavo
