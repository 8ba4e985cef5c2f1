// The Win32 speech engine, wave-out and event adapters on Wine's real calls and the device's
// speech engine, with the typed test their fakes pass natively.
#include <windows.h>

#include "platform/win32/win32_speech.h"
#include "tests/service/speech_behaviour.h"
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
  Win32ServiceEvents events;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, SpeechBehaviourTest, Win32SpeechRoles);

}  // namespace lectavo::conformance
