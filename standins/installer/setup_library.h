// A package's setup library, loaded the way the device installer loads it, with its four
// calls.
#pragma once

#include <string>

#include "setup/setup_entry_points.h"

namespace installer {

class SetupLibrary {
 public:
  SetupLibrary() = default;
  SetupLibrary(const SetupLibrary&) = delete;
  SetupLibrary& operator=(const SetupLibrary&) = delete;
  ~SetupLibrary() { Unload(); }

  // False, with the reason, when the library cannot be loaded or lacks one of the calls.
  bool Load(const std::wstring& path, std::wstring& error);
  void Unload();

  InstallInitCall InstallInit = nullptr;
  InstallExitCall InstallExit = nullptr;
  UninstallInitCall UninstallInit = nullptr;
  UninstallExitCall UninstallExit = nullptr;

 private:
  HMODULE module_ = nullptr;
};

}  // namespace installer
