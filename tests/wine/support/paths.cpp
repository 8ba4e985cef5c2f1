#include "tests/wine/support/paths.h"

#include <windows.h>

namespace lectavo::wine {

std::wstring HostPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

// wine-run makes the build folder drive B:.
std::wstring PackageFolder() { return L"B:\\package"; }

std::wstring PackagePath(const std::wstring& file) { return PackageFolder() + L"\\" + file; }

std::wstring BuildPath(const std::wstring& relative) { return L"B:\\" + relative; }

void MakeProgramFolder() {
  CreateDirectoryW(ToApi(kProgramFolderParent).c_str(), nullptr);
  CreateDirectoryW(kProgramFolder.c_str(), nullptr);
}

void RemoveProgramFolderParent() { RemoveDirectoryW(ToApi(kProgramFolderParent).c_str()); }

}  // namespace lectavo::wine
