// The Win32 messaging adapter's log-on and message-store table on the device's messaging
// library, with the typed test the fake passes natively.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_roles.h"
#include "tests/platform/message_store_table_behaviour.h"
#include "tests/wine/support/messaging_library.h"

namespace lectavo::conformance {

// The library is put on the device first; the stores it lists are the device's own, emptied
// again when the test ends.
struct Win32MessagingRole {
  Win32MessagingRole() { EXPECT_TRUE(device::InstallMessagingLibrary()); }
  ~Win32MessagingRole() { device::PutMessageStores({}); }
  Messaging& Role() { return messaging; }
  static void PutStores(const std::vector<WString>& names) {
    std::vector<std::wstring> stores;
    for (const WString& name : names) stores.emplace_back(name.begin(), name.end());
    device::PutMessageStores(stores);
  }
  Win32Messaging messaging;
};
INSTANTIATE_TYPED_TEST_SUITE_P(Win32Messaging, MessageStoreTableBehaviourTest, Win32MessagingRole);

}  // namespace lectavo::conformance
