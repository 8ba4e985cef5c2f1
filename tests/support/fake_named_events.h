// Named events a test creates and signals; waits never block.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/named_events.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeNamedEvents final : public NamedEvents {
 public:
  struct WaitCall {
    WString name;
    std::uint32_t timeout;
  };

  // Operation: Wait (argument: the name; a failing wait reports WAIT_FAILED).
  Faults faults;
  std::map<WString, bool> signalled;  // existing events by name
  std::vector<WaitCall> waits;

  std::uint32_t Wait(WStringView name, std::uint32_t timeoutMilliseconds) override {
    waits.push_back({WString(name), timeoutMilliseconds});
    if (faults.Fails("Wait", name)) return kWaitFailed;
    auto event = signalled.find(WString(name));
    if (event == signalled.end()) return kWaitFailed;
    return event->second ? kWaitObject0 : kWaitTimeout;
  }
};

}  // namespace lectavo::fake
