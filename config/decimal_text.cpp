#include "config/decimal_text.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lectavo {

WString FormatSigned(std::int32_t value) {
  std::int64_t magnitude = value;
  const bool negative = magnitude < 0;
  if (negative) magnitude = -magnitude;
  WString digits;
  do {
    digits.insert(digits.begin(), static_cast<WChar>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  return negative ? u"-" + digits : digits;
}

std::int32_t ParseSigned(WStringView text) {
  std::size_t i = 0;
  auto blank = [](WChar c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
  while (i < text.size() && blank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::min(value * 10 + (text[i] - u'0'), kLimit);
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(std::min(value, kLimit - 1));
}

}  // namespace lectavo
