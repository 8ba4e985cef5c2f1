// Lectavo_Config.exe: the Win32 platform handed to the configuration program.
#include <windows.h>

#include "config/config_app.h"
#include "framework/win32/win32_window_system.h"
#include "platform/win32/win32_roles.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  lectavo::Win32Registry registry;
  lectavo::Win32Files files;
  lectavo::Win32CodePage codePage;
  lectavo::Win32UserInterface userInterface;
  lectavo::Win32WindowSystem windows(reinterpret_cast<lectavo::Handle>(instance));
  lectavo::Win32Messaging messaging;
  lectavo::ConfigApp application(registry, files, codePage, userInterface, windows, messaging);
  return lectavo::RunApplication(application);
}
