// The yardstick of the toggle bench: only the fixed work of a toggle that switches its bit,
// the pause after the save and the prompt played synchronously with the toggle's flags. The
// prompt's path is the command line, in quotes.
#include <windows.h>
// After windows.h, which it builds on.
#include <mmsystem.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  PWSTR path = commandLine[0] == L'"' ? commandLine + 1 : commandLine;
  const std::size_t length = wcslen(path);
  if (length > 0 && path[length - 1] == L'"') path[length - 1] = L'\0';
  Sleep(297);
  PlaySoundW(path, nullptr, SND_FILENAME | SND_NODEFAULT);
  return 0;
}
