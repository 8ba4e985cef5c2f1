// The speech, audio, microphone and event fakes pass the typed test the Win32 adapters pass under
// Wine.
#include "tests/service/speech_behaviour.h"
#include "tests/support/fake_microphone.h"
#include "tests/support/fake_speech.h"

namespace lectavo::conformance {

struct FakeSpeechRoles {
  fake::FakeClock clock;
  fake::FakeSpeech speech;
  fake::FakeAudio audio{clock};
  fake::FakeServiceEvents events;
  fake::FakeMicrophone microphone{clock};

  Speech& SpeechRole() { return speech; }
  AudioOutput& AudioRole() { return audio; }
  AudioInput& MicrophoneRole() { return microphone; }
  void PlayIntoMicrophone(double seconds) {
    const std::uint64_t from = clock.now;
    const auto until = from + static_cast<std::uint64_t>(seconds * 1000);
    microphone.sound = [from, until](std::uint64_t now) -> std::int16_t {
      return now >= from && now < until ? 8000 : 0;
    };
    Wait(static_cast<std::uint32_t>(until - from));
  }
  ServiceEvents& EventsRole() { return events; }
  bool SetFromOutside(WStringView name) {
    const auto event = events.set.find(WString(name));
    if (event == events.set.end()) return false;
    event->second = true;
    return true;
  }
  void Wait(std::uint32_t milliseconds) { clock.Sleep(milliseconds); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fakes, SpeechBehaviourTest, FakeSpeechRoles);

}  // namespace lectavo::conformance
