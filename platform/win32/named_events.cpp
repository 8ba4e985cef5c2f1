#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {

std::uint32_t Win32NamedEvents::Wait(WStringView name, std::uint32_t timeoutMilliseconds) {
  const HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, ToApi(name).c_str());
  if (event == nullptr) return kWaitFailed;
  const DWORD result = WaitForSingleObject(event, timeoutMilliseconds);
  CloseHandle(event);
  return result;
}

}  // namespace lectavo
