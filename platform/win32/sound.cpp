#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {

bool Win32Sound::Play(WStringView path, std::uint32_t flags) {
  const ApiName name(path);
  return name.Fits() && PlaySoundW(name.c_str(), nullptr, flags) != FALSE;
}

}  // namespace lectavo
