#include "standins/installer/registry_text.h"

#include <windows.h>

#include <cwchar>

namespace installer {

std::optional<std::wstring> ReadRegistryText(const std::wstring& key, const wchar_t* name) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  // Room for a terminator the stored value may lack.
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(),
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(std::wcslen(text.c_str()));
  return text;
}

}  // namespace installer
