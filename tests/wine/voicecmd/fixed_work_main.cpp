// The yardstick of the toggle bench: only the fixed work of a toggle that switches its bit,
// the pause after the save and the prompt played synchronously with the toggle's flags. The
// prompt's path is the command line.
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  Sleep(297);
  PlaySoundW(commandLine, nullptr, SND_FILENAME | SND_NODEFAULT);
  return 0;
}
