// The device's messaging system on a desktop: one message store per value "1", "2", ... of
// HKLM\SOFTWARE\MessagingStandin\MessageStores (REG_SZ, the store's display name), listed in
// number order up to the first number missing. Sessions, tables and row sets take the shapes
// of the device's calls.
#pragma once

#include "platform/messaging.h"

namespace lectavo {

inline constexpr wchar_t kMessageStoresKey[] = L"SOFTWARE\\MessagingStandin\\MessageStores";

class StandinMessaging final : public Messaging {
 public:
  // Always succeeds: the device's messaging system is always there.
  bool LogonEx(Handle window, const WChar* profile, const WChar* password, std::uint32_t flags,
               MessagingSession** session) override;
  void FreeProws(RowSet* rows) override;
};

}  // namespace lectavo
