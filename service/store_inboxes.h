// The mail source of the device's messaging library, through the calls a CEMAPI client makes:
// log on, list the message stores, open each by its entry id, find its inbox (the receive
// folder) and list the inbox's contents; open a message for its sender, subject and body;
// mark it read.
#pragma once

#include <set>

#include "platform/messaging.h"
#include "service/mail_source.h"

namespace lectavo {

// The names StrAccounts chooses: each name followed by a TAB; a last name without its TAB
// counts as well.
std::set<WString> ChosenNames(WStringView accounts);

class StoreInboxes final : public MailSource {
 public:
  explicit StoreInboxes(Messaging& messaging) : messaging_(messaging) {}

  std::vector<MessageRef> Inboxes(WStringView accounts) override;
  std::optional<MailMessage> Open(const MessageRef& ref) override;
  bool MarkRead(const MessageRef& ref) override;

 private:
  // Runs use on the opened store; false when the session or the store cannot be had.
  template <typename Use>
  bool WithStore(MessagingSession* session, const EntryId& store, Use use);
  template <typename Use>
  bool WithMessage(const MessageRef& ref, Use use);
  // Every row of a table, one at a time, each row set freed; false when a request failed.
  template <typename Row>
  bool EachRow(MessagingTable* table, const std::vector<std::uint32_t>& columns, Row row);
  void InboxOf(MessagingSession* session, const EntryId& store, bool chosen,
               std::vector<MessageRef>& refs);

  Messaging& messaging_;
};

}  // namespace lectavo
