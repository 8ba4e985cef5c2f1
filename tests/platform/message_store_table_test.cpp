// The messaging fake's log-on and message-store table pass the typed test the Win32 adapter
// passes under Wine on the device's messaging library (tests/wine/platform).
#include <vector>

#include "tests/platform/message_store_table_behaviour.h"
#include "tests/support/fake_messaging.h"

namespace lectavo::conformance {

struct FakeMessagingRole {
  Messaging& Role() { return fake; }
  void PutStores(const std::vector<WString>& names) {
    fake.stores.clear();
    for (std::size_t n = 1; n <= names.size(); ++n) {
      fake.stores.push_back({names[n - 1], {static_cast<std::uint8_t>(n), 0, 0, 0}});
    }
  }
  fake::FakeMessaging fake;
};
INSTANTIATE_TYPED_TEST_SUITE_P(FakeMessaging, MessageStoreTableBehaviourTest, FakeMessagingRole);

}  // namespace lectavo::conformance
