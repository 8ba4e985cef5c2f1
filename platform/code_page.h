// Code page role: MultiByteToWideChar / WideCharToMultiByte with the ANSI code page.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

// WC_NO_BEST_FIT_CHARS: a character the code page lacks becomes the default character "?"
// instead of a look-alike such as "l" for "ł".
inline constexpr std::uint32_t kNoBestFit = 0x400;

class CodePage {
 public:
  virtual ~CodePage() = default;

  // Lengths count units; a length of -1 takes the source up to and including its
  // terminator. Results are the units written, 0 on failure (also when the destination is
  // too small).
  virtual int ToWide(const char* source, int sourceLength, WChar* destination,
                     int destinationLength) = 0;
  // Characters the code page cannot represent become a look-alike where the code page has a
  // best fit for them, else '?'; with kNoBestFit in flags always '?'.
  virtual int ToAnsi(const WChar* source, int sourceLength, char* destination,
                     int destinationLength, std::uint32_t flags) = 0;
};

}  // namespace lectavo
