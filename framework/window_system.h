// The windowing system a dialog runs on: the win32 backend (real windows) or the headless
// backend (in-memory controls for tests). Controls are driven by window messages, as on Win32.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace lectavo {

class Dialog;
class TabCtrl;

// RECT and POINT.
struct Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};
struct Point {
  std::int32_t x = 0, y = 0;
};

// TCITEMW, laid out as Win32 lays it out.
struct TabItem {
  std::uint32_t mask = 0;
  std::uint32_t state = 0;
  std::uint32_t stateMask = 0;
  WChar* text = nullptr;
  std::int32_t textMax = 0;
  std::int32_t image = -1;
  std::intptr_t param = 0;
};
inline constexpr std::uint32_t kTcifText = 0x1;
inline constexpr std::uint32_t kTcifState = 0x10;
inline constexpr std::uint32_t kTcisButtonPressed = 0x1;

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Shows the dialog modally from its template; the value given to EndDialog, or -1 when
  // the window could not be made.
  virtual int RunModal(Dialog& dialog) = 0;
  // Creates the dialog's window from its template as a child of parent; kNoHandle on failure.
  virtual Handle CreateChildDialog(Dialog& dialog, Handle parent) = 0;
  virtual Handle CreateTabControl(TabCtrl& tab, Handle parent, std::uint32_t style,
                                  const Rect& rect, int id) = 0;
  virtual void EndDialog(Handle dialog, int result) = 0;
  virtual bool DestroyWindow(Handle window) = 0;
  virtual Handle GetDlgItem(Handle dialog, int id) = 0;
  virtual std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
  virtual bool EnableWindow(Handle window, bool enable) = 0;
  virtual bool GetWindowRect(Handle window, Rect* rect) = 0;
  virtual bool GetClientRect(Handle window, Rect* rect) = 0;
  virtual bool ScreenToClient(Handle window, Point* point) = 0;
  // insertAfter kNoHandle is HWND_TOP.
  virtual bool SetWindowPos(Handle window, Handle insertAfter, const Rect& rect,
                            std::uint32_t flags) = 0;
  virtual bool ShowWindow(Handle window, int command) = 0;
  virtual void CenterWindow(Handle window) = 0;
  virtual Handle LoadSmallIcon(int resourceId) = 0;
  // PeekMessage with PM_REMOVE for any window and any message.
  virtual void RemoveOnePendingMessage() = 0;

  // The window's child windows in creation order: a dialog's controls in template order.
  virtual std::vector<Handle> Children(Handle window) = 0;
  // Moves the keyboard focus, as the dialog manager of dialog moves it, to the first control
  // of page that takes the focus, or to fallback when there is none.
  virtual void FocusFirstControl(Handle dialog, Handle page, Handle fallback) = 0;
  // The width in pixels of text drawn in the window's font.
  virtual int TextWidth(Handle window, WStringView text) = 0;

  // The rectangle a full-screen dialog lays its children out from. A Pocket PC dialog fills
  // the screen, so there this is its window rectangle.
  virtual Rect LayoutArea(Handle dialog) = 0;
  // Grows the dialog and its tab control until the tab control's display area holds a page
  // of the given size in dialog units; a Pocket PC sizes the dialog to the screen instead.
  virtual void FitTabDisplayArea(Handle dialog, Handle tab, int widthDialogUnits,
                                 int heightDialogUnits) = 0;
};

// Declares, inside a backend's class, every member of WindowSystem as overridden; the backend
// defines them all.
#define LECTAVO_WINDOW_SYSTEM_OVERRIDES                                                          \
  int RunModal(Dialog& dialog) override;                                                         \
  Handle CreateChildDialog(Dialog& dialog, Handle parent) override;                              \
  Handle CreateTabControl(TabCtrl& tab, Handle parent, std::uint32_t style, const Rect& rect,    \
                          int id) override;                                                      \
  void EndDialog(Handle dialog, int result) override;                                            \
  bool DestroyWindow(Handle window) override;                                                    \
  Handle GetDlgItem(Handle dialog, int id) override;                                             \
  std::intptr_t Send(Handle window, std::uint32_t message, std::uintptr_t wParam,                \
                     std::intptr_t lParam) override;                                             \
  bool EnableWindow(Handle window, bool enable) override;                                        \
  bool GetWindowRect(Handle window, Rect* rect) override;                                        \
  bool GetClientRect(Handle window, Rect* rect) override;                                        \
  bool ScreenToClient(Handle window, Point* point) override;                                     \
  bool SetWindowPos(Handle window, Handle insertAfter, const Rect& rect, std::uint32_t flags)    \
      override;                                                                                  \
  bool ShowWindow(Handle window, int command) override;                                          \
  void CenterWindow(Handle window) override;                                                     \
  Handle LoadSmallIcon(int resourceId) override;                                                 \
  void RemoveOnePendingMessage() override;                                                       \
  std::vector<Handle> Children(Handle window) override;                                          \
  void FocusFirstControl(Handle dialog, Handle page, Handle fallback) override;                  \
  int TextWidth(Handle window, WStringView text) override;                                       \
  Rect LayoutArea(Handle dialog) override;                                                       \
  void FitTabDisplayArea(Handle dialog, Handle tab, int widthDialogUnits, int heightDialogUnits) \
      override;

}  // namespace lectavo
