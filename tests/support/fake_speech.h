// The speech engine, the wave-out device and the service's events, in memory and on the fake
// clock: a rendering takes a few polls, rendered speech lasts 10 ms per character, and the
// output sounds for as long as its samples last on the clock.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/service_events.h"
#include "platform/speech.h"
#include "tests/support/fake_clock.h"

namespace lectavo::fake {

// A WAV file of 16-bit mono samples, all of one value.
std::string WavOf(std::size_t sampleCount, int sampleRate, std::int16_t value);

class FakeSpeech final : public Speech {
 public:
  struct Rendering {
    WString text;
    EngineVoice voice;
  };

  bool available = true;
  bool failing = false;    // every rendering fails
  int pollsPerRender = 3;  // polls that still say kRendering
  std::vector<Rendering> begun;

  bool Available() override { return available; }
  // Like the device's engine, it takes only a plain voice name.
  bool Begin(WStringView text, const EngineVoice& voice) override {
    const bool plain = !voice.name.empty() && voice.name.find_first_not_of(
                                                  "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRS"
                                                  "TUVWXYZ0123456789+-_") == std::string::npos;
    if (!available || !plain) return false;
    begun.push_back({WString(text), voice});
    pollsLeft_ = pollsPerRender;
    return true;
  }
  RenderState Poll(std::string& wav) override {
    if (begun.empty()) return RenderState::kFailed;
    if (pollsLeft_-- > 0) return RenderState::kRendering;
    if (failing) return RenderState::kFailed;
    // 10 ms of speech per character, at 1,000 samples a second.
    wav = WavOf(begun.back().text.size() * 10, 1000, 10000);
    return RenderState::kDone;
  }

 private:
  int pollsLeft_ = 0;
};

class FakeAudio final : public AudioOutput {
 public:
  struct Played {
    std::vector<std::int16_t> samples;
    int sampleRate;
    std::uint64_t at;  // on the clock
  };

  explicit FakeAudio(FakeClock& clock) : clock_(clock) {}

  std::vector<int> opened;
  std::vector<Played> played;
  std::vector<std::uint64_t> stops;

  bool Open(int sampleRate) override {
    opened.push_back(sampleRate);
    return true;
  }
  bool Play(const std::vector<std::int16_t>& samples, int sampleRate) override {
    played.push_back({samples, sampleRate, clock_.now});
    end_ = clock_.now + samples.size() * 1000 / sampleRate;
    return true;
  }
  bool Playing() override { return clock_.now < end_; }
  void Stop() override {
    stops.push_back(clock_.now);
    end_ = clock_.now;
  }

 private:
  FakeClock& clock_;
  std::uint64_t end_ = 0;
};

// Events by name; a test sets one as another process would.
class FakeServiceEvents final : public ServiceEvents {
 public:
  std::map<WString, bool> set;
  bool failing = false;

  Handle Create(WStringView name) override {
    if (failing) return kNoHandle;
    names_.emplace_back(name);
    set.emplace(WString(name), false);
    return names_.size();
  }
  bool IsSet(Handle event) override { return set[names_.at(event - 1)]; }
  void Reset(Handle event) override { set[names_.at(event - 1)] = false; }

 private:
  std::vector<WString> names_;
};

}  // namespace lectavo::fake
