// Lectavo_Setup.dll: the four calls of the device installer, handed to the core with the
// Win32 platform. Nothing may escape to the installer, not even an exception.
#include "platform/win32/win32_roles.h"
#include "setup/setup_entry_points.h"
#include "setup/setup_hooks.h"

namespace {

// False when the step did not run to its end.
template <typename Step>
bool Guarded(Step step) {
  try {
    step();
    return true;
  } catch (...) {
    return false;
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
    lectavo::Processes& processes = lectavo::SystemProcesses();
    lectavo::InstallInit(processes);
  });
  return codeINSTALL_INIT_CONTINUE;
}

codeINSTALL_EXIT Install_Exit(HWND, LPCWSTR installFolder, WORD, WORD failedFiles, WORD, WORD,
                              WORD) {
  bool complete = false;
  const bool ran = Guarded([&] {
    lectavo::Registry& registry = lectavo::SystemRegistry();
    lectavo::Files& files = lectavo::SystemFiles();
    lectavo::Win32UserInterface userInterface;
    complete =
        lectavo::InstallExit(registry, files, userInterface, Folder(installFolder), failedFiles);
  });
  // An installation that is not known to be whole is undone rather than left half-done.
  return ran && complete ? codeINSTALL_EXIT_DONE : codeINSTALL_EXIT_UNINSTALL;
}

codeUNINSTALL_INIT Uninstall_Init(HWND, LPCWSTR) {
  Guarded([] {
    lectavo::Processes& processes = lectavo::SystemProcesses();
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
