// Lectavo_Setup.dll: the four calls of the device installer, handed to the core with the
// Win32 platform. Nothing may escape to the installer, not even an exception.
#include <string>

#include "platform/win32/wide.h"
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

// The device's installer shows the setup's reason for an undo: a console installer on its
// standard error; one without a console gets nothing.
void TellInstaller(const lectavo::WString& problem) {
  const HANDLE errors = GetStdHandle(STD_ERROR_HANDLE);
  if (errors == nullptr || errors == INVALID_HANDLE_VALUE || problem.empty()) return;
  const std::wstring line = L"Lectavo_Setup: " + lectavo::ToApi(problem) + L"\n";
  const int size = static_cast<int>(line.size());
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, line.data(), size, nullptr, 0, nullptr, nullptr);
  std::string text(bytes, '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), size, text.data(), bytes, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(errors, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
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
  lectavo::WString problem;
  const bool ran = Guarded([&] {
    lectavo::Registry& registry = lectavo::SystemRegistry();
    lectavo::Files& files = lectavo::SystemFiles();
    lectavo::Win32UserInterface userInterface;
    complete = lectavo::InstallExit(registry, files, userInterface, Folder(installFolder),
                                    failedFiles, problem);
  });
  if (!ran) problem = u"the setup could not complete its work";
  // An installation that is not known to be whole is undone rather than left half-done.
  if (ran && complete) return codeINSTALL_EXIT_DONE;
  Guarded([&] { TellInstaller(problem); });
  return codeINSTALL_EXIT_UNINSTALL;
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
