// Where the service finds mail: the inbox of every message store of the device, each message
// known by its store's and its own entry identifier.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/messaging.h"
#include "platform/types.h"
#include "service/reading_plan.h"

namespace lectavo {

struct MessageRef {
  EntryId store;
  EntryId message;
  bool chosen = false;  // its store is one of StrAccounts
  bool operator<(const MessageRef& other) const {
    return store != other.store ? store < other.store : message < other.message;
  }
};

class MailSource {
 public:
  virtual ~MailSource() = default;

  // Every message in the inbox of every store that could be read now; a store is chosen
  // when StrAccounts names it.
  virtual std::vector<MessageRef> Inboxes(WStringView accounts) = 0;
  // Sender, subject and body; none when the message is gone or cannot be read.
  virtual std::optional<MailMessage> Open(const MessageRef& ref) = 0;
  virtual bool MarkRead(const MessageRef& ref) = 0;
};

}  // namespace lectavo
