#include "framework/win32/win32_window_system.h"

#include <vector>

#include "framework/dialog.h"
#include "framework/tab_ctrl.h"
#include "framework/win32/win32_dialog_proc.h"
#include "framework/win32/win32_dialog_template.h"
#include "framework/win32/win32_handles.h"
#include "framework/win32/win32_modal_keys.h"

namespace lectavo {

Win32WindowSystem::Win32WindowSystem(Handle instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

int Win32WindowSystem::RunModal(Dialog& dialog) {
  const std::vector<DWORD> memory = BuildTemplate(dialog.Template(), false);
  Creation creation{&dialog, this};
  ModalKeys keys(dialog);
  return static_cast<int>(DialogBoxIndirectParamW(
      reinterpret_cast<HINSTANCE>(instance_), reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()),
      nullptr, DialogProc, reinterpret_cast<LPARAM>(&creation)));
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

void Win32WindowSystem::RemoveOnePendingMessage() {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
}

}  // namespace lectavo
