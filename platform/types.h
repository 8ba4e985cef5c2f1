// Types shared by the platform roles: UTF-16 text and opaque handles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lectavo {

// UTF-16 code unit on every build (wchar_t is 4 bytes on Linux).
using WChar = char16_t;
using WString = std::u16string;
using WStringView = std::u16string_view;

// An opaque handle of the platform (HANDLE, HKEY, HWND...). 0 means none.
using Handle = std::uintptr_t;
inline constexpr Handle kNoHandle = 0;
// INVALID_HANDLE_VALUE, which snapshots and file searches report on failure.
inline constexpr Handle kInvalidHandle = ~Handle{0};

}  // namespace lectavo
