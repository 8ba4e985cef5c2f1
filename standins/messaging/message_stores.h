// Where the device lists its message stores: one per value "1", "2", ... (REG_SZ, the store's
// display name) of this key, in number order up to the first number missing. A person edits
// them there; the device's messaging library serves them.
#pragma once

namespace lectavo {

inline constexpr wchar_t kMessageStoresKey[] = L"SOFTWARE\\MessagingStandin\\MessageStores";

}  // namespace lectavo
