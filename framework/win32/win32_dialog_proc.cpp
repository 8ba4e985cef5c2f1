#include "framework/win32/win32_dialog_proc.h"

#include "framework/dialog.h"
#include "framework/win32/win32_handles.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

// The desktop has no OK button in the caption: such a dialog gets a real one in the strip
// below its tab control, which Enter presses too.
constexpr int kOkWidth = 50;
constexpr int kOkHeight = 16;

void AddInitialItems(HWND window, const DialogTemplate& t) {
  for (const ControlTemplate& c : t.controls) {
    const UINT add = c.kind == ControlKind::kComboBox ? CB_ADDSTRING : LB_ADDSTRING;
    for (const WChar* item : c.items) {
      SendDlgItemMessageW(window, c.id, add, 0, reinterpret_cast<LPARAM>(item));
    }
  }
}

void AddOkButton(HWND dialog, HINSTANCE instance) {
  RECT client;
  ::GetClientRect(dialog, &client);
  HWND ok =
      CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      client.right - kOkWidth - 2, client.bottom - kOkHeight - 2, kOkWidth,
                      kOkHeight, dialog, reinterpret_cast<HMENU>(IDOK), instance, nullptr);
  ::SendMessageW(ok, WM_SETFONT, ::SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
  ::SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
}

}  // namespace

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      const auto* creation = reinterpret_cast<const Creation*>(lParam);
      dialog = creation->dialog;
      SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
      dialog->Attach(*creation->system, ToHandle(window));
      AddInitialItems(window, dialog->Template());
      // A top-level dialog comes to the front before its focus is set and before it shows:
      // focus set first would make it the active window of a program that is not in front,
      // drawn with a grey title bar, and keys typed the moment it shows would go elsewhere.
      if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) SetForegroundWindow(window);
      if ((dialog->Template().exStyle & kWsExCaptionOkButton) != 0) {
        AddOkButton(window, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)));
      }
      return dialog->HandleInitDialog() ? TRUE : FALSE;
    }
    case WM_COMMAND: {
      // The dialog manager reports Enter on a page's button to the dialog the page lies on;
      // the command belongs to the page, whose button it is.
      const auto control = reinterpret_cast<HWND>(lParam);
      if (control != nullptr && GetParent(control) != window && IsChild(window, control)) {
        ::SendMessageW(GetParent(control), WM_COMMAND, wParam, lParam);
        return TRUE;
      }
      return dialog != nullptr && dialog->HandleCommand(LOWORD(wParam), HIWORD(wParam));
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      std::intptr_t result = 0;
      if (dialog == nullptr ||
          !dialog->HandleNotify(static_cast<int>(header->idFrom), header->code, &result)) {
        return FALSE;
      }
      SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_CLOSE:
      // A multi-line edit takes Escape itself and closes the page it lies on; the page closes
      // with the dialog it lies on, as Escape does everywhere else.
      if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) return FALSE;
      ::PostMessageW(GetParent(window), WM_CLOSE, 0, 0);
      return TRUE;
    case WM_NCDESTROY:
      if (dialog != nullptr) dialog->Detach();
      SetWindowLongPtrW(window, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace lectavo
