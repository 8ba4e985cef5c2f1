// The device's installer stand-in, run on a package as the device runs it.
#pragma once

#include <string>

namespace lectavo::wine {

// The name the installer records the package under.
inline const std::wstring kPackageName = L"ORBA-GMBH Lectavo";

// Installs the package folder into folder (the package's default when empty); the installer's
// exit code, and with said what it told.
int InstallPackage(const std::wstring& package, const std::wstring& folder = L"",
                   std::string* said = nullptr);
// Uninstalls the package recorded under kPackageName; the installer's exit code.
int UninstallPackage();

}  // namespace lectavo::wine
