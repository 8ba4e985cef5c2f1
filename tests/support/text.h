// Small text helpers for tests: UTF-16 literals compared and printed as narrow text.
#pragma once

#include <string>

#include "platform/types.h"

namespace lectavo::fake {

// Characters outside ASCII become '?'; enough for logs and failure messages.
inline std::string Narrow(WStringView text) {
  std::string out;
  for (WChar c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

inline WString Widen(std::string_view text) {
  WString out;
  for (unsigned char c : text) out += static_cast<WChar>(c);
  return out;
}

// Letter case folded the way the platform compares names (ASCII and Latin-1 letters).
inline WChar Folded(WChar c) {
  const bool lower = (c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
  return lower ? static_cast<WChar>(c - 0x20) : c;
}

inline WString Folded(WStringView text) {
  WString out(text);
  for (WChar& c : out) c = Folded(c);
  return out;
}

}  // namespace lectavo::fake
