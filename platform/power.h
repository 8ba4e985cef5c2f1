// Power role: the request for the full-on power state.
#pragma once

#include <cstdint>

namespace lectavo {

inline constexpr std::uint32_t kPowerStateOn = 0x10000;  // POWER_STATE_ON
inline constexpr std::uint32_t kPowerForce = 0x1000;     // POWER_FORCE

class Power {
 public:
  virtual ~Power() = default;

  // SetSystemPowerState(NULL, state, options); true on success.
  virtual bool RequestPowerState(std::uint32_t state, std::uint32_t options) = 0;
};

}  // namespace lectavo
