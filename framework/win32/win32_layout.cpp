// Where the win32 backend's dialogs lie on a desktop and how large they grow.
#include <windows.h>
// The common controls need the definitions above.
#include <commctrl.h>

#include <algorithm>

#include "framework/win32/win32_handles.h"
#include "framework/win32/win32_window_system.h"

namespace lectavo {

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
