// Conversions between the core's UTF-16 text and the Win32 API's wide strings.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/types.h"

namespace lectavo {

static_assert(sizeof(wchar_t) == sizeof(WChar), "Win32 wide characters are UTF-16");

// A zero-terminated copy for the API.
inline std::wstring ToApi(WStringView text) { return std::wstring(text.begin(), text.end()); }

// A zero-terminated copy on the stack, for the names and paths the registry and PlaySound take.
// It allocates nothing, so a program that needs nothing else of the C++ runtime links none of
// it. A longer text does not fit: the caller fails the call instead of passing on a cut name.
class ApiName {
 public:
  explicit ApiName(WStringView text) : fits_(text.size() < kCapacity) {
    const std::size_t length = fits_ ? text.size() : 0;
    std::copy_n(text.begin(), length, text_);
    text_[length] = L'\0';
  }
  bool Fits() const { return fits_; }
  const wchar_t* c_str() const { return text_; }

 private:
  static constexpr std::size_t kCapacity = 1024;
  bool fits_;
  wchar_t text_[kCapacity];
};

inline const wchar_t* ApiChars(const WChar* text) {
  return reinterpret_cast<const wchar_t*>(text);
}

}  // namespace lectavo
