// The wave-in device on the fake clock: while started it delivers the samples of the time
// that passed, each the level the test's sound gives at that moment (silence by default).
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/audio_input.h"
#include "tests/support/fake_clock.h"

namespace lectavo::fake {

class FakeMicrophone final : public AudioInput {
 public:
  explicit FakeMicrophone(FakeClock& clock) : clock_(clock) {}

  bool present = true;
  std::uint64_t failsAt = UINT64_MAX;   // on the clock: Take fails from then on
  std::uint64_t stallsAt = UINT64_MAX;  // on the clock: Take delivers nothing from then on
  // The level at a moment of the clock.
  std::function<std::int16_t(std::uint64_t now)> sound;
  std::vector<std::uint64_t> starts;
  std::vector<std::uint64_t> stops;

  bool open() const { return open_; }

  bool Start(int sampleRate) override {
    if (!present) return false;
    starts.push_back(clock_.now);
    open_ = true;
    rate_ = static_cast<std::uint64_t>(sampleRate);
    begun_ = clock_.now;
    delivered_ = 0;
    return true;
  }
  bool Take(std::vector<std::int16_t>& samples) override {
    if (!open_ || clock_.now >= failsAt) return false;
    const std::uint64_t due =
        (std::max(begun_, std::min(clock_.now, stallsAt)) - begun_) * rate_ / 1000;
    for (; delivered_ < due; ++delivered_) {
      samples.push_back(sound ? sound(begun_ + delivered_ * 1000 / rate_) : 0);
    }
    return true;
  }
  void Stop() override {
    if (open_) stops.push_back(clock_.now);
    open_ = false;
  }

 private:
  FakeClock& clock_;
  bool open_ = false;
  std::uint64_t rate_ = 0;
  std::uint64_t begun_ = 0;
  std::uint64_t delivered_ = 0;
};

}  // namespace lectavo::fake
