// The fake messaging system's read side, with the typed test the device's messaging library
// passes under Wine.
#include "tests/messaging/messaging_read_behaviour.h"
#include "tests/support/fake_messaging.h"

namespace lectavo::conformance {

struct FakeMessagingRole {
  fake::FakeMessaging messaging;

  Messaging& Role() { return messaging; }
  void PutStores(const std::vector<WString>& names) {
    messaging.stores.clear();
    for (std::size_t i = 0; i < names.size(); ++i) {
      messaging.stores.push_back({names[i], {static_cast<std::uint8_t>(i + 1), 0, 0, 0}});
    }
  }
  void Deliver(std::size_t store, const MailMessage& message) {
    messaging.Deliver(store,
                      {message.senderName, message.senderAddress, message.subject, message.body});
  }
  void RemoveMessage(std::size_t store, std::size_t position) {
    auto& inbox = messaging.stores.at(store).inbox;
    inbox.erase(inbox.begin() + static_cast<std::ptrdiff_t>(position));
  }
  void RemoveStoreFolder(std::size_t store) { messaging.stores.at(store).inbox.clear(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(FakeMessaging, MessagingReadBehaviourTest, FakeMessagingRole);

}  // namespace lectavo::conformance
