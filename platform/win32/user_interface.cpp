#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {
namespace {

constexpr UINT kBroadcastWindowTimeoutMilliseconds = 5000;

}  // namespace

int Win32UserInterface::ShowMessageBox(Handle owner, WStringView text, WStringView caption,
                                   std::uint32_t style) {
  return MessageBoxW(reinterpret_cast<HWND>(owner), ToApi(text).c_str(),
                     ToApi(caption).c_str(), style);
}

void Win32UserInterface::SendToAllTopLevelWindows(std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam) {
  // Waits for every window as SendMessage does, but passes over a window that hangs or takes
  // longer than five seconds, so that one frozen program cannot stop the caller for good.
  SendMessageTimeoutW(HWND_BROADCAST, message, wParam, lParam, SMTO_ABORTIFHUNG,
                      kBroadcastWindowTimeoutMilliseconds, nullptr);
}

}  // namespace lectavo
