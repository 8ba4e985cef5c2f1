// The package description the installer reads from the top of a package folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace installer {

inline constexpr wchar_t kDescriptionFile[] = L"Package.ini";

// One value the installation makes under HKEY_LOCAL_MACHINE.
struct RegistryEntry {
  std::wstring key;
  std::wstring name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct PackageDescription {
  std::wstring name;           // the installed application's name
  std::wstring defaultFolder;  // installation folder when none is given
  std::wstring setupLibrary;   // file name of the setup library in the package folder
  std::vector<RegistryEntry> registry;
};

// Reads and checks the description; on failure error says where and why.
bool ReadPackageDescription(const std::wstring& path, PackageDescription& description,
                            std::wstring& error);

}  // namespace installer
