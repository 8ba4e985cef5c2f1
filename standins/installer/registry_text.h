// Text values of the device's registry, of whatever length they are stored with.
#pragma once

#include <optional>
#include <string>

namespace installer {

// A REG_SZ value below HKEY_LOCAL_MACHINE; nothing when it cannot be read.
std::optional<std::wstring> ReadRegistryText(const std::wstring& key, const wchar_t* name);

}  // namespace installer
