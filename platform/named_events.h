// Named events role: OpenEvent + WaitForSingleObject.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace lectavo {

inline constexpr std::uint32_t kWaitObject0 = 0;        // WAIT_OBJECT_0
inline constexpr std::uint32_t kWaitTimeout = 0x102;    // WAIT_TIMEOUT
inline constexpr std::uint32_t kWaitFailed = ~0u;       // WAIT_FAILED

class NamedEvents {
 public:
  virtual ~NamedEvents() = default;

  // Waits on the system event of that name; kWaitFailed when no such event exists.
  virtual std::uint32_t Wait(WStringView name, std::uint32_t timeoutMilliseconds) = 0;
};

}  // namespace lectavo
