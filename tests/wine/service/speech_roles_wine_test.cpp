// The Win32 speech engine, wave-out, wave-in and event adapters on Wine's real calls, the
// device's speech engine and its microphone, with the typed test their fakes pass natively.
#include <windows.h>

#include <cmath>

#include "platform/win32/win32_speech.h"
#include "service/answer_recording.h"
#include "tests/service/speech_behaviour.h"
#include "tests/wine/service/host_sound.h"
#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::conformance {

// The device's speech engine in its system folder, as make run puts it there.
struct Win32SpeechRoles {
  Win32SpeechRoles() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    CopyFileW(wine::HostPath(LECTAVO_SPEECH_ENGINE).c_str(),
              (std::wstring(folder, length) + L"\\ttsengine.dll").c_str(), FALSE);
  }

  Speech& SpeechRole() { return speech; }
  AudioOutput& AudioRole() { return audio; }
  AudioInput& MicrophoneRole() { return microphone; }
  // A tone into the device's microphone, played by the host's player.
  void PlayIntoMicrophone(double seconds) {
    std::vector<std::int16_t> tone(static_cast<std::size_t>(seconds * 22050));
    for (std::size_t i = 0; i < tone.size(); ++i) {
      tone[i] = static_cast<std::int16_t>(8000 * std::sin(i * 0.1));
    }
    const std::vector<std::uint8_t> wav = WavFile(tone, 22050);
    const std::string path = std::string(LECTAVO_SERVICE_SCRATCH) + "/microphone-tone.wav";
    device::Write(wine::HostPath(path), std::string(wav.begin(), wav.end()));
    wine::RunOnHost("paplay --device=microphone \\\"$1\\\"", {path});
  }
  ServiceEvents& EventsRole() { return events; }
  bool SetFromOutside(WStringView name) {
    const HANDLE event =
        OpenEventW(EVENT_MODIFY_STATE, FALSE, std::wstring(name.begin(), name.end()).c_str());
    if (event == nullptr) return false;
    const bool set = SetEvent(event) != FALSE;
    CloseHandle(event);
    return set;
  }
  void Wait(std::uint32_t milliseconds) { Sleep(milliseconds); }

  Win32Speech speech;
  Win32Audio audio;
  Win32AudioInput microphone;
  Win32ServiceEvents events;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SpeechBehaviourTest, Win32SpeechRoles);

}  // namespace lectavo::conformance
