#include <windows.h>

#include "platform/win32/win32_roles.h"

namespace lectavo {

bool Win32Power::RequestPowerState(std::uint32_t, std::uint32_t) {
  // SetSystemPowerState(POWER_STATE_ON, POWER_FORCE) exists only on the device; the desktop
  // keeps the system and the display on instead.
  return SetThreadExecutionState(ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED) != 0;
}

}  // namespace lectavo
