// Named events role: OpenEvent + WaitForSingleObject.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "platform/wait_results.h"

namespace lectavo {

class NamedEvents {
 public:
  virtual ~NamedEvents() = default;

  // Waits on the system event of that name; kWaitFailed when no such event exists.
  virtual std::uint32_t Wait(WStringView name, std::uint32_t timeoutMilliseconds) = 0;
};

}  // namespace lectavo
