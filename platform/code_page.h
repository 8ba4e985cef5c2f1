// Code page role: MultiByteToWideChar / WideCharToMultiByte with the ANSI code page.
#pragma once

#include "platform/types.h"

namespace lectavo {

class CodePage {
 public:
  virtual ~CodePage() = default;

  // Lengths count units; a length of -1 takes the source up to and including its
  // terminator. Results are the units written, 0 on failure (also when the destination is
  // too small).
  virtual int ToWide(const char* source, int sourceLength, WChar* destination,
                     int destinationLength) = 0;
  // Characters the code page cannot represent become '?'.
  virtual int ToAnsi(const WChar* source, int sourceLength, char* destination,
                     int destinationLength) = 0;
};

}  // namespace lectavo
