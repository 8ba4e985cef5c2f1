// A messaging system with a list of message stores, each with an inbox of messages and an
// outbox of messages made through it: sessions,
// tables, stores, folders, messages and streams are counted while they live, row sets while
// they are not freed, and every call is logged, so a test can prove that each row set is
// freed and each object released exactly once.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/messaging.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeMessaging final : public Messaging {
 public:
  // A received message; a part left out is a property the message does not have.
  struct Message {
    std::optional<WString> senderName;
    std::optional<WString> senderAddress;
    std::optional<WString> subject;
    WString body;
    bool read = false;
    std::string name = {};  // set by Deliver: what its entry id is made of
  };

  struct Recipient {
    std::uint32_t type = 0;  // kMapiTo or kMapiCc
    WString name;
    WString address;
    WString addressType;
  };
  struct Attachment {
    WString longName;
    WString shortName;
    std::vector<std::uint8_t> data;
  };
  // A message made in the outbox, as its last save left it.
  struct Outgoing {
    std::optional<WString> subject;
    WString body;
    std::vector<Recipient> recipients;
    std::vector<Attachment> attachments;
    bool sent = false;
    EntryId entryId = {};
  };

  struct Store {
    WString displayName;
    EntryId entryId;
    std::vector<Message> inbox = {};  // in arrival order
    std::vector<Outgoing> outbox = {};
  };

  // Operations: LogonEx, GetMsgStoresTable, SetColumns, QueryRows, OpenMsgStore,
  // GetReceiveFolder, Store.GetProps, OpenEntry, GetContentsTable, GetProps, SetProps,
  // OpenProperty, Read; for the outbox CreateMessage, DeleteMessages, ModifyRecipients,
  // CreateAttach, Attach.SetProps, Attach.OpenProperty, Write, Commit, Attach.SaveChanges,
  // SaveChanges, SubmitMessage. A failing SaveChanges keeps the message without its attachments, as
  // a store that fails part way through a save may.
  Faults faults;
  // Every call in order, e.g. "LogonEx 0 null null 0", "QueryRows 1 0", "FreeProws 1" (the
  // rows it held), "Release table".
  std::vector<std::string> log;
  std::vector<Store> stores;

  // A message arriving in the store's inbox, after those there.
  void Deliver(std::size_t store, Message message);
  // The message with this entry id in any store, null when it is gone.
  Message* Find(const EntryId& entryId);

  // Objects not yet released, row sets not yet freed.
  int LiveObjects() const { return static_cast<int>(live_.size()); }
  int UnfreedRowSets() const { return static_cast<int>(rowSets_.size()); }

  bool LogonEx(Handle window, const WChar* profile, const WChar* password, std::uint32_t flags,
               MessagingSession** session) override;
  void FreeProws(RowSet* rows) override;

  // For the fake's own objects.
  void Made(const void* object) { live_.insert(object); }
  void Release(const void* object, const char* what);
  RowSet* NewRowSet();

 private:
  std::set<const void*> live_;
  std::set<const RowSet*> rowSets_;
  int delivered_ = 0;
};

// Entry ids the fake hands out: the inbox's and outbox's, and a message's from its name.
EntryId FakeInboxId();
EntryId FakeOutboxId();
EntryId FakeMessageId(const std::string& name);
// The store's objects, made by the fake session.
MessagingStore* NewFakeStore(FakeMessaging& owner, std::size_t store);
MessagingFolder* NewFakeOutbox(FakeMessaging& owner, std::size_t store);
MessagingTable* NewFakeTable(FakeMessaging& owner, std::vector<std::vector<PropValue>> rows);

}  // namespace lectavo::fake
