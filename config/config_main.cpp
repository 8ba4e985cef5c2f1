// Lectavo_Config.exe: the Win32 platform handed to the configuration program.
#include <windows.h>

#include "config/config_app.h"
#include "framework/win32/win32_window_system.h"
#include "platform/win32/win32_roles.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  lectavo::Registry& registry = lectavo::SystemRegistry();
  lectavo::Files& files = lectavo::SystemFiles();
  lectavo::Win32CodePage codePage;
  lectavo::Win32UserInterface userInterface;
  lectavo::Win32WindowSystem windows(reinterpret_cast<lectavo::Handle>(instance));
  lectavo::Win32Messaging messaging;
  lectavo::Win32SingleInstance singleInstance;
  lectavo::Win32Clock clock;
  lectavo::ConfigApp application(registry, files, codePage, userInterface, windows, messaging,
                                 singleInstance, clock);
  return lectavo::RunApplication(application);
}
