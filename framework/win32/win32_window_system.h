// The framework on real Win32 windows: dialogs built in memory from the templates, WM_COMMAND
// and WM_NOTIFY through the message maps, the common controls' tab control.
#pragma once

#include "framework/window_system.h"

namespace lectavo {

class Win32WindowSystem final : public WindowSystem {
 public:
  // instance: the module that holds the icon resources.
  explicit Win32WindowSystem(Handle instance);

  int RunModal(Dialog& dialog) override;
  Handle CreateChildDialog(Dialog& dialog, Handle parent) override;
  Handle CreateTabControl(TabCtrl& tab, Handle parent, std::uint32_t style, const Rect& rect,
                          int id) override;
  void EndDialog(Handle dialog, int result) override;
  bool DestroyWindow(Handle window) override;
  Handle GetDlgItem(Handle dialog, int id) override;
  std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
  bool EnableWindow(Handle window, bool enable) override;
  bool GetWindowRect(Handle window, Rect* rect) override;
  bool GetClientRect(Handle window, Rect* rect) override;
  bool ScreenToClient(Handle window, Point* point) override;
  bool SetWindowPos(Handle window, Handle insertAfter, const Rect& rect, std::uint32_t flags)
      override;
  bool ShowWindow(Handle window, int command) override;
  void CenterWindow(Handle window) override;
  Handle LoadSmallIcon(int resourceId) override;
  void RemoveOnePendingMessage() override;
  std::vector<Handle> Children(Handle window) override;
  void FocusFirstControl(Handle dialog, Handle page, Handle fallback) override;
  int TextWidth(Handle window, WStringView text) override;
  Rect LayoutArea(Handle dialog) override;
  void FitTabDisplayArea(Handle dialog, Handle tab, int widthDialogUnits, int heightDialogUnits)
      override;

 private:
  Handle instance_;
};

}  // namespace lectavo
