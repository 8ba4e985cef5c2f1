// Time role: Sleep, and the milliseconds since the system started (GetTickCount64).
#pragma once

#include <cstdint>

namespace lectavo {

class Clock {
 public:
  virtual ~Clock() = default;

  virtual void Sleep(std::uint32_t milliseconds) = 0;
  virtual std::uint64_t Milliseconds() = 0;
};

}  // namespace lectavo
