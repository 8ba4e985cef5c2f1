#include "tests/wine/support/paths.h"

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

}  // namespace lectavo::wine
