// Time role: Sleep.
#pragma once

#include <cstdint>

namespace lectavo {

class Clock {
 public:
  virtual ~Clock() = default;

  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace lectavo
