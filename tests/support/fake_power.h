// Records power-state requests.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/power.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakePower final : public Power {
 public:
  struct Request {
    std::uint32_t state;
    std::uint32_t options;
  };

  // Operation: RequestPowerState.
  Faults faults;
  std::vector<Request> requests;

  bool RequestPowerState(std::uint32_t state, std::uint32_t options) override {
    requests.push_back({state, options});
    return !faults.Fails("RequestPowerState");
  }
};

}  // namespace lectavo::fake
