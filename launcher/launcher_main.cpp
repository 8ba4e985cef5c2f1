// Lectavo_Start: builds the Win32 platform and runs the launcher.
#include <windows.h>

#include "launcher/launcher_application.h"
#include "platform/win32/win32_roles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  lectavo::Registry& registry = lectavo::SystemRegistry();
  lectavo::Processes& processes = lectavo::SystemProcesses();
  lectavo::Win32Power power;
  lectavo::Win32UserInterface userInterface;
  lectavo::Win32Clock clock;
  lectavo::LauncherApplication application(registry, processes, power, userInterface, clock);
  return lectavo::RunApplication(application);
}
