// Installing a package folder and uninstalling it again, in the device installer's order:
// let go of the package's Today items, Install_Init, copy the files, make the registry values,
// Install_Exit, bring the items back and run the package's start-up entries; let go of the
// items, Uninstall_Init, remove what the installation made, Uninstall_Exit. An installation
// that Install_Exit hands back is undone whole: what it replaced is put back.
#pragma once

#include <string>

namespace installer {

// Exit codes of the installer.
enum Outcome : int { kDone = 0, kNothingDone = 1, kDoneWithFailures = 2 };

// Where the installer keeps, per installed package, its setup library ("<name>.dll") and
// the record of what the installation made ("<name>.dat").
inline constexpr wchar_t kAppManagerFolder[] = L"\\Windows\\AppMgr";
// Below HKEY_LOCAL_MACHINE: one key per installed package, holding InstallDir and Instl.
inline constexpr wchar_t kAppsKey[] = L"SOFTWARE\\Apps";

// Into the description's default folder when installationFolder is empty.
Outcome InstallPackage(const std::wstring& packageFolder, std::wstring installationFolder);
Outcome UninstallPackage(const std::wstring& name);

}  // namespace installer
