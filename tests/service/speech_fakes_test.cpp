// The speech, audio and event fakes pass the typed test the Win32 adapters pass under Wine.
#include "tests/service/speech_behaviour.h"
#include "tests/support/fake_speech.h"

namespace lectavo::conformance {

struct FakeSpeechRoles {
  fake::FakeClock clock;
  fake::FakeSpeech speech;
  fake::FakeAudio audio{clock};
  fake::FakeServiceEvents events;

  Speech& SpeechRole() { return speech; }
  AudioOutput& AudioRole() { return audio; }
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
