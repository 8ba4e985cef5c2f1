// The device's messaging library on the Wine tests' device: in the device's system folder,
// where programs find it by its name, or not there at all; and the message stores it lists.
#pragma once

#include <string>
#include <vector>

namespace lectavo::device {

// Puts the build's messaging library there; false when it could not be copied.
bool InstallMessagingLibrary();
// Puts another library there under the messaging library's name.
bool InstallAsMessagingLibrary(const std::wstring& library);
// False when a messaging library is still there afterwards.
bool RemoveMessagingLibrary();
// Puts the build's messaging library into another folder, under its name; false when it
// could not be copied.
bool PlantMessagingLibrary(const std::wstring& folder);

// The device's message stores, in this order, in place of those it had.
void PutMessageStores(const std::vector<std::wstring>& names);

}  // namespace lectavo::device
