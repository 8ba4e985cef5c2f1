// A fake clock: Sleep returns at once, advancing the time and recording the wait. A hook lets
// a test change the world while the program sleeps.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"

namespace lectavo::fake {

class FakeClock final : public Clock {
 public:
  std::uint64_t now = 0;  // milliseconds
  std::vector<std::uint32_t> sleeps;
  std::function<void(std::uint64_t now)> onSleep;

  void Sleep(std::uint32_t milliseconds) override {
    now += milliseconds;
    sleeps.push_back(milliseconds);
    if (onSleep) onSleep(now);
  }
  std::uint64_t Milliseconds() override { return now; }
};

}  // namespace lectavo::fake
