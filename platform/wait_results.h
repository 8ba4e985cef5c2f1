// What WaitForSingleObject reports, for every role that waits on an object.
#pragma once

#include <cstdint>

namespace lectavo {

inline constexpr std::uint32_t kWaitObject0 = 0;      // WAIT_OBJECT_0
inline constexpr std::uint32_t kWaitAbandoned = 0x80;  // WAIT_ABANDONED
inline constexpr std::uint32_t kWaitTimeout = 0x102;  // WAIT_TIMEOUT
inline constexpr std::uint32_t kWaitFailed = ~0u;     // WAIT_FAILED

}  // namespace lectavo
