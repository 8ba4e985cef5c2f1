#include "standins/installer/setup_library.h"

namespace installer {
namespace {

template <typename Call>
bool Find(HMODULE module, const char* name, Call& call, std::wstring& error) {
  call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (call == nullptr) {
    error += error.empty() ? L"the setup library lacks " : L", ";
    for (const char* c = name; *c != '\0'; ++c) error += static_cast<wchar_t>(*c);
  }
  return call != nullptr;
}

}  // namespace

bool SetupLibrary::Load(const std::wstring& path, std::wstring& error) {
  Unload();
  module_ = LoadLibraryW(path.c_str());
  if (module_ == nullptr) {
    error = path + L" cannot be loaded (error " + std::to_wstring(GetLastError()) + L")";
    return false;
  }
  error.clear();
  const bool complete = Find(module_, "Install_Init", InstallInit, error) &
                        Find(module_, "Install_Exit", InstallExit, error) &
                        Find(module_, "Uninstall_Init", UninstallInit, error) &
                        Find(module_, "Uninstall_Exit", UninstallExit, error);
  if (!complete) Unload();
  return complete;
}

void SetupLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  InstallInit = nullptr;
  InstallExit = nullptr;
  UninstallInit = nullptr;
  UninstallExit = nullptr;
}

}  // namespace installer
