// Conversions between the core's UTF-16 text and the Win32 API's wide strings.
#pragma once

#include <string>

#include "platform/types.h"

namespace lectavo {

static_assert(sizeof(wchar_t) == sizeof(WChar), "Win32 wide characters are UTF-16");

// A zero-terminated copy for the API.
inline std::wstring ToApi(WStringView text) { return std::wstring(text.begin(), text.end()); }

inline const wchar_t* ApiChars(const WChar* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace lectavo
