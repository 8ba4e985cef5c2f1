// User interface role: MessageBox and SendMessage to all top-level windows.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kMbIconHand = 0x10;  // MB_OK | MB_ICONHAND
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

inline constexpr std::uint32_t kWmSettingChange = 0x001A;

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // Modal; returns the button the user chose.
  virtual int ShowMessageBox(Handle owner, WStringView text, WStringView caption,
                         std::uint32_t style) = 0;
  // SendMessage(HWND_BROADCAST, ...): returns when every top-level window has handled it or
  // has been passed over as hung (no answer within five seconds).
  virtual void SendToAllTopLevelWindows(std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) = 0;
};

}  // namespace lectavo
