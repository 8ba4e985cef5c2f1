// The device's installer: installs a package folder into an installation folder and removes
// it again, calling the package's setup library as the device does.
#include <string>

#include "standins/installer/console.h"
#include "standins/installer/package_installer.h"

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"install" && (argc == 3 || argc == 4)) {
    return installer::InstallPackage(argv[2], argc == 4 ? argv[3] : L"");
  }
  if (command == L"uninstall" && argc == 3) return installer::UninstallPackage(argv[2]);
  installer::Complain(
      L"usage: Installer install <package folder> [<installation folder>]\n"
      L"       Installer uninstall <package name>");
  return installer::kNothingDone;
}
