// The fake messaging system's read and send sides, with the typed tests the device's
// messaging library passes under Wine.
#include "tests/messaging/messaging_read_behaviour.h"
#include "tests/messaging/messaging_send_behaviour.h"
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
  std::vector<KeptMessage> Kept(std::size_t store) {
    std::vector<KeptMessage> kept;
    for (const fake::FakeMessaging::Outgoing& message : messaging.stores.at(store).outbox) {
      KeptMessage& copy = kept.emplace_back();
      for (const auto& recipient : message.recipients) {
        copy.recipients.emplace_back(recipient.type, recipient.address);
      }
      copy.subject = message.subject;
      copy.body = message.body;
      for (const auto& attachment : message.attachments) {
        copy.attachments.emplace_back(attachment.longName, attachment.data);
      }
      copy.sent = message.sent;
    }
    return kept;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(FakeMessaging, MessagingReadBehaviourTest, FakeMessagingRole);
INSTANTIATE_TYPED_TEST_SUITE_P(FakeMessaging, MessagingSendBehaviourTest, FakeMessagingRole);

}  // namespace lectavo::conformance
