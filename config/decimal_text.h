// Numbers in edit fields: shown as signed decimal text, read back the way a standard
// string-to-integer conversion reads them.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

WString FormatSigned(std::int32_t value);

// Leading blanks skipped, an optional sign, digits up to the first other character; no
// digits give 0, a number beyond the 32-bit range gives the nearest end of it.
std::int32_t ParseSigned(WStringView text);

// The digits of a number: how many characters a field needs for the largest number it takes.
constexpr int DecimalDigits(std::uint32_t value) {
  return value < 10 ? 1 : 1 + DecimalDigits(value / 10);
}

}  // namespace lectavo
