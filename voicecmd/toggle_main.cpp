// Entry of the six toggle programs; LECTAVO_TOGGLE names the build's command. The command
// line is ignored.
#include <windows.h>

#include "platform/win32/win32_roles.h"
#include "voicecmd/voice_command_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  lectavo::Registry& registry = lectavo::SystemRegistry();
  lectavo::Win32NamedMutexes mutexes;
  lectavo::Win32Clock clock;
  lectavo::Win32Sound sound;
  lectavo::VoiceCommandApp application(lectavo::LECTAVO_TOGGLE, registry, mutexes, clock, sound);
  return lectavo::RunApplication(application);
}
