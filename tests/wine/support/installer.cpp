#include "tests/wine/support/installer.h"

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

int RunInstaller(const std::wstring& arguments, std::string* said = nullptr) {
  return device::RunAndPump(HostPath(LECTAVO_INSTALLER), arguments, said);
}

}  // namespace

int InstallPackage(const std::wstring& package, const std::wstring& folder, std::string* said) {
  return RunInstaller(
      L"install \"" + package + L"\"" + (folder.empty() ? L"" : L" \"" + folder + L"\""), said);
}

int UninstallPackage() { return RunInstaller(L"uninstall \"" + kPackageName + L"\""); }

}  // namespace lectavo::wine
