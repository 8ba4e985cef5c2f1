// Paths as the setup builds them on the device: in buffers of 260 wide characters including
// the terminator, names compared without regard to letter case.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "platform/types.h"

namespace lectavo {

// MAX_PATH: 259 characters and the terminator.
inline constexpr std::size_t kPathCapacity = 260;

// The text of a fixed-size name field up to its terminator, or the whole field when a
// terminator is missing.
template <std::size_t N>
WStringView FieldText(const WChar (&field)[N]) {
  return WStringView(field, std::find(field, field + N, u'\0') - field);
}

// The parts joined by backslashes; nothing when the result would not fit a path buffer.
std::optional<WString> JoinPath(std::initializer_list<WStringView> parts);

// Equal when only the letter case of ASCII letters differs, as the device compares file and
// program names.
bool EqualIgnoringCase(WStringView a, WStringView b);

// Whether two paths name the same file on the device: equal ignoring letter case, with or
// without their leading backslash, for the device has no current folder to start from.
bool SameDevicePath(WStringView a, WStringView b);

}  // namespace lectavo
