// The names by which make run and make say find the product on the device, as the product
// states them: lectavo-device name WHAT prints one, so no script keeps a copy.
#pragma once

#include <optional>
#include <string>

namespace lectavo {

// program-folder, config-dialog (its caption), accounts-tab (its position, from 0) or
// today-item (its window class); none for any other.
std::optional<std::wstring> DeviceName(const std::wstring& what);

}  // namespace lectavo
