#include "tests/wine/support/installer.h"

#include "tests/wine/support/device.h"
#include "tests/wine/support/paths.h"

namespace lectavo::wine {
namespace {

int RunInstaller(const std::wstring& arguments) {
  return device::RunAndPump(HostPath(LECTAVO_INSTALLER), arguments);
}

}  // namespace

int InstallPackage(const std::wstring& package, const std::wstring& folder) {
  return RunInstaller(L"install \"" + package + L"\"" +
                      (folder.empty() ? L"" : L" \"" + folder + L"\""));
}

int UninstallPackage() { return RunInstaller(L"uninstall \"" + kPackageName + L"\""); }

}  // namespace lectavo::wine
