#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {

int Win32CodePage::ToWide(const char* source, int sourceLength, WChar* destination,
                          int destinationLength) {
  return MultiByteToWideChar(CP_ACP, 0, source, sourceLength,
                             reinterpret_cast<wchar_t*>(destination), destinationLength);
}

int Win32CodePage::ToAnsi(const WChar* source, int sourceLength, char* destination,
                          int destinationLength, std::uint32_t flags) {
  return WideCharToMultiByte(CP_ACP, flags, ApiChars(source), sourceLength, destination,
                             destinationLength, "?", nullptr);
}

}  // namespace lectavo
