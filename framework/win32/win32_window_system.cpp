#include "framework/win32/win32_window_system.h"

#include <windows.h>
// The common controls need the definitions above.
#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "framework/dialog.h"
#include "framework/tab_ctrl.h"
#include "framework/window_messages.h"

namespace lectavo {
namespace {

// The core hands these to the controls as they are.
static_assert(sizeof(Rect) == sizeof(RECT) && offsetof(Rect, bottom) == offsetof(RECT, bottom));
static_assert(sizeof(Point) == sizeof(POINT));
static_assert(sizeof(TabItem) == sizeof(TCITEMW) &&
              offsetof(TabItem, text) == offsetof(TCITEMW, pszText) &&
              offsetof(TabItem, param) == offsetof(TCITEMW, lParam));

HWND Hwnd(Handle handle) { return reinterpret_cast<HWND>(handle); }
Handle ToHandle(HWND window) { return reinterpret_cast<Handle>(window); }

// The desktop has no OK button in the caption: such a dialog gets a real one in the strip
// below its tab control, which Enter presses too.
constexpr int kOkWidth = 50;
constexpr int kOkHeight = 16;

WORD ClassAtom(ControlKind kind) {
  switch (kind) {
    case ControlKind::kButton:
      return 0x0080;
    case ControlKind::kEdit:
      return 0x0081;
    case ControlKind::kStatic:
      return 0x0082;
    case ControlKind::kListBox:
      return 0x0083;
    case ControlKind::kComboBox:
      return 0x0085;
  }
  return 0x0082;
}

bool TakesFocus(const ControlTemplate& control) {
  if (control.kind == ControlKind::kStatic) return false;
  return control.kind != ControlKind::kButton || (control.style & kBsTypeMask) != kBsGroupBox;
}

// A DLGTEMPLATEEX in memory, DWORD-aligned as the dialog manager requires.
class TemplateWriter {
 public:
  void Word(WORD value) { words_.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  void Text(const WChar* text) {
    for (; text != nullptr && *text != 0; ++text) Word(*text);
    Word(0);
  }
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<DWORD> Finish() {
    AlignToDword();
    std::vector<DWORD> memory(words_.size() / 2);
    std::memcpy(memory.data(), words_.data(), words_.size() * sizeof(WORD));
    return memory;
  }

 private:
  std::vector<WORD> words_;
};

std::vector<DWORD> BuildTemplate(const DialogTemplate& t, bool child) {
  DWORD style = t.style | DS_SETFONT;
  // Pages lie inside the main dialog: Tab and Enter work across both.
  if (child) style = (style & ~static_cast<DWORD>(WS_POPUP)) | WS_CHILD | DS_CONTROL;
  TemplateWriter w;
  w.Word(1);
  w.Word(0xFFFF);
  w.Dword(0);
  w.Dword(t.exStyle & ~kWsExCaptionOkButton);  // a real OK button stands in for it
  w.Dword(style);
  w.Word(static_cast<WORD>(t.controls.size()));
  w.Word(0);
  w.Word(0);
  w.Word(static_cast<WORD>(t.cx));
  w.Word(static_cast<WORD>(t.cy));
  w.Word(0);  // no menu
  w.Word(0);  // the dialog class
  w.Text(t.caption);
  w.Word(static_cast<WORD>(t.pointSize));
  w.Word(FW_NORMAL);
  w.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));
  w.Text(t.font);
  for (const ControlTemplate& c : t.controls) {
    w.AlignToDword();
    w.Dword(0);
    w.Dword(0);
    w.Dword(c.style | WS_CHILD | WS_VISIBLE | (TakesFocus(c) ? WS_TABSTOP : 0));
    w.Word(static_cast<WORD>(c.x));
    w.Word(static_cast<WORD>(c.y));
    w.Word(static_cast<WORD>(c.cx));
    w.Word(static_cast<WORD>(c.cy));
    w.Dword(static_cast<DWORD>(c.id));
    w.Word(0xFFFF);
    w.Word(ClassAtom(c.kind));
    w.Text(c.text);
    w.Word(0);
  }
  return w.Finish();
}

struct Creation {
  Dialog* dialog;
  WindowSystem* system;
};

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

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      const auto* creation = reinterpret_cast<const Creation*>(lParam);
      dialog = creation->dialog;
      SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
      dialog->Attach(*creation->system, ToHandle(window));
      AddInitialItems(window, dialog->Template());
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
    case WM_NCDESTROY:
      if (dialog != nullptr) dialog->Detach();
      SetWindowLongPtrW(window, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

// The modal dialog of this thread sees every key pressed in it before its dialog loop does.
thread_local Dialog* keyDialog = nullptr;

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

Win32WindowSystem::Win32WindowSystem(Handle instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

int Win32WindowSystem::RunModal(Dialog& dialog) {
  const std::vector<DWORD> memory = BuildTemplate(dialog.Template(), false);
  Creation creation{&dialog, this};
  Dialog* const outer = keyDialog;
  keyDialog = &dialog;
  HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
  const auto result = static_cast<int>(DialogBoxIndirectParamW(
      reinterpret_cast<HINSTANCE>(instance_), reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()),
      nullptr, DialogProc, reinterpret_cast<LPARAM>(&creation)));
  if (hook != nullptr) UnhookWindowsHookEx(hook);
  keyDialog = outer;
  return result;
}

Handle Win32WindowSystem::CreateChildDialog(Dialog& dialog, Handle parent) {
  const std::vector<DWORD> memory = BuildTemplate(dialog.Template(), true);
  Creation creation{&dialog, this};
  return ToHandle(CreateDialogIndirectParamW(
      reinterpret_cast<HINSTANCE>(instance_), reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()),
      Hwnd(parent), DialogProc, reinterpret_cast<LPARAM>(&creation)));
}

Handle Win32WindowSystem::CreateTabControl(TabCtrl&, Handle parent, std::uint32_t style,
                                           const Rect& r, int id) {
  // Clipping keeps the tab control from painting over the page laid on it.
  HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", style | WS_CLIPSIBLINGS, r.left, r.top,
                             r.right - r.left, r.bottom - r.top, Hwnd(parent),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(instance_), nullptr);
  if (tab != nullptr) {
    ::SendMessageW(tab, WM_SETFONT, ::SendMessageW(Hwnd(parent), WM_GETFONT, 0, 0), FALSE);
  }
  return ToHandle(tab);
}

void Win32WindowSystem::EndDialog(Handle dialog, int result) { ::EndDialog(Hwnd(dialog), result); }

bool Win32WindowSystem::DestroyWindow(Handle window) { return ::DestroyWindow(Hwnd(window)); }

Handle Win32WindowSystem::GetDlgItem(Handle dialog, int id) {
  return ToHandle(::GetDlgItem(Hwnd(dialog), id));
}

std::intptr_t Win32WindowSystem::Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  return ::SendMessageW(Hwnd(window), message, wParam, lParam);
}

bool Win32WindowSystem::EnableWindow(Handle window, bool enable) {
  return ::EnableWindow(Hwnd(window), enable);
}

bool Win32WindowSystem::GetWindowRect(Handle window, Rect* rect) {
  return ::GetWindowRect(Hwnd(window), reinterpret_cast<RECT*>(rect));
}

bool Win32WindowSystem::GetClientRect(Handle window, Rect* rect) {
  return ::GetClientRect(Hwnd(window), reinterpret_cast<RECT*>(rect));
}

bool Win32WindowSystem::ScreenToClient(Handle window, Point* point) {
  return ::ScreenToClient(Hwnd(window), reinterpret_cast<POINT*>(point));
}

bool Win32WindowSystem::SetWindowPos(Handle window, Handle insertAfter, const Rect& r,
                                     std::uint32_t flags) {
  return ::SetWindowPos(Hwnd(window), insertAfter == kNoHandle ? HWND_TOP : Hwnd(insertAfter),
                        r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

bool Win32WindowSystem::ShowWindow(Handle window, int command) {
  return ::ShowWindow(Hwnd(window), command);
}

void Win32WindowSystem::CenterWindow(Handle window) {
  RECT r;
  RECT work;
  ::GetWindowRect(Hwnd(window), &r);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - (r.right - r.left)) / 2;
  const int y = work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2;
  ::SetWindowPos(Hwnd(window), nullptr, std::max<int>(x, work.left), std::max<int>(y, work.top), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Handle Win32WindowSystem::LoadSmallIcon(int resourceId) {
  return reinterpret_cast<Handle>(
      LoadImageW(reinterpret_cast<HINSTANCE>(instance_), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
}

std::vector<Handle> Win32WindowSystem::Children(Handle window) {
  std::vector<Handle> children;
  for (HWND child = GetWindow(Hwnd(window), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(ToHandle(child));
  }
  return children;
}

void Win32WindowSystem::FocusFirstControl(Handle dialog, Handle page, Handle fallback) {
  HWND first = GetNextDlgTabItem(Hwnd(page), nullptr, FALSE);
  if (first == nullptr || !IsChild(Hwnd(page), first)) first = Hwnd(fallback);
  ::SendMessageW(Hwnd(dialog), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

int Win32WindowSystem::TextWidth(Handle window, WStringView text) {
  HDC dc = GetDC(Hwnd(window));
  if (dc == nullptr) return 0;
  const auto font = reinterpret_cast<HFONT>(::SendMessageW(Hwnd(window), WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  SIZE size{};
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), &size);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(Hwnd(window), dc);
  return size.cx;
}

void Win32WindowSystem::RemoveOnePendingMessage() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
}

// A desktop dialog does not lie at the screen's origin: its children are laid out from its
// client area, not from its window rectangle in screen coordinates. The device's rectangle
// starts below the navigation bar, so a child placed 10 pixels above its top still lies
// inside the dialog; starting 10 pixels down keeps it inside here too.
Rect Win32WindowSystem::LayoutArea(Handle dialog) {
  Rect client;
  GetClientRect(dialog, &client);
  client.top += 10;
  return client;
}

// A desktop dialog keeps its template size unless the largest page would not fit.
void Win32WindowSystem::FitTabDisplayArea(Handle dialog, Handle tab, int widthDialogUnits,
                                          int heightDialogUnits) {
  RECT need{0, 0, widthDialogUnits, heightDialogUnits};
  MapDialogRect(Hwnd(dialog), &need);
  RECT display;
  ::GetClientRect(Hwnd(tab), &display);
  TabCtrl_AdjustRect(Hwnd(tab), FALSE, &display);
  const int dx = std::max<int>(0, need.right - (display.right - display.left));
  const int dy = std::max<int>(0, need.bottom - (display.bottom - display.top));
  if (dx == 0 && dy == 0) return;
  auto grow = [dx, dy](HWND window) {
    RECT r;
    ::GetWindowRect(window, &r);
    ::SetWindowPos(window, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  grow(Hwnd(dialog));
  grow(Hwnd(tab));
  if (HWND ok = ::GetDlgItem(Hwnd(dialog), IDOK); ok != nullptr) {
    RECT r;
    ::GetWindowRect(ok, &r);
    MapWindowPoints(nullptr, Hwnd(dialog), reinterpret_cast<POINT*>(&r), 2);
    ::SetWindowPos(ok, nullptr, r.left + dx, r.top + dy, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CenterWindow(dialog);
}

}  // namespace lectavo
