// Lectavo_Setup.dll: the four calls of the device installer, handed to the core with the
// Win32 platform. Nothing may escape to the installer, not even an exception.
#include "platform/win32/win32_roles.h"
#include "setup/setup_entry_points.h"
#include "setup/setup_hooks.h"

namespace {

template <typename Step>
void Guarded(Step step) {
  try {
    step();
  } catch (...) {
  }
}

lectavo::WStringView Folder(LPCWSTR folder) {
  return folder == nullptr ? lectavo::WStringView{}
                           : lectavo::WStringView(reinterpret_cast<const char16_t*>(folder));
}

}  // namespace

extern "C" {

codeINSTALL_INIT Install_Init(HWND, BOOL, BOOL, LPCWSTR) {
  Guarded([] {
    lectavo::Win32Processes processes;
    lectavo::InstallInit(processes);
  });
  return codeINSTALL_INIT_CONTINUE;
}

codeINSTALL_EXIT Install_Exit(HWND, LPCWSTR installFolder, WORD, WORD, WORD, WORD, WORD) {
  Guarded([installFolder] {
    lectavo::Win32Registry registry;
    lectavo::Win32Files files;
    lectavo::Win32UserInterface userInterface;
    lectavo::InstallExit(registry, files, userInterface, Folder(installFolder));
  });
  return codeINSTALL_EXIT_DONE;
}

codeUNINSTALL_INIT Uninstall_Init(HWND, LPCWSTR) {
  Guarded([] {
    lectavo::Win32Processes processes;
    lectavo::UninstallInit(processes);
  });
  return codeUNINSTALL_INIT_CONTINUE;
}

codeUNINSTALL_EXIT Uninstall_Exit(HWND) {
  Guarded([] {
    lectavo::Win32UserInterface userInterface;
    lectavo::UninstallExit(userInterface);
  });
  return codeUNINSTALL_EXIT_DONE;
}

}  // extern "C"
