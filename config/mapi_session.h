// The device's message stores, read through the messaging system: log on, list the stores of
// the message-store table, release the session.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/messaging.h"
#include "platform/types.h"

namespace lectavo {

struct MessageStore {
  WString displayName;
  std::vector<std::uint8_t> entryId;  // read, not used by the page
};

// In the order of the message-store table.
using MessageStoreList = std::vector<MessageStore>;

class MapiSession {
 public:
  explicit MapiSession(Messaging& messaging) : messaging_(messaging) {}
  // A session still held is released: the messaging system never keeps a forgotten one.
  ~MapiSession() { Release(); }
  MapiSession(const MapiSession&) = delete;
  MapiSession& operator=(const MapiSession&) = delete;

  // No window, profile, password or flags; a failed log-on leaves no session.
  void Logon();
  // Empties the list, then appends the stores one row at a time. Without a session, or when
  // the table cannot be had, the list stays empty; a failing row request keeps what was read.
  void ReadMessageStores(MessageStoreList* list);
  void Release();

 private:
  Messaging& messaging_;
  MessagingSession* session_ = nullptr;
};

}  // namespace lectavo
