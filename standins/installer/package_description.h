// The package description the installer reads from the top of a package folder. The parsing
// is plain C++, so that it can also be exercised off the device.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace installer {

inline constexpr wchar_t kDescriptionFile[] = L"Package.ini";

// The registry's value types (REG_SZ, REG_BINARY, REG_DWORD).
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// One value the installation makes under HKEY_LOCAL_MACHINE.
struct RegistryEntry {
  std::wstring key;
  std::wstring name;
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;  // as RegSetValueEx takes it
};

struct PackageDescription {
  std::wstring name;           // the installed application's name
  std::wstring defaultFolder;  // installation folder when none is given
  std::wstring setupLibrary;   // file name of the setup library in the package folder
  std::vector<RegistryEntry> registry;
  std::vector<std::wstring> files;  // relative to the package folder: the package must hold them
};

// Checks the description's lines (read from path); on failure error says where and why.
bool ParsePackageDescription(const std::wstring& path, const std::vector<std::wstring>& lines,
                             PackageDescription& description, std::wstring& error);

// The files the description lists that are not among the package's files (relative paths,
// letter case ignored), in the description's order.
std::vector<std::wstring> MissingFiles(const PackageDescription& description,
                                       const std::vector<std::wstring>& packageFiles);

}  // namespace installer
