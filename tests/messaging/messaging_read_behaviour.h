// Reading mail through the messaging role, as one typed test that runs natively on the fake
// messaging system and under Wine on the device's messaging library (tests/wine/messaging):
// the same cases prove the fake. Instantiate it with a backend type B that offers
// Messaging& Role(); PutStores(names): these stores, each with an empty inbox;
// Deliver(store, MailMessage): a message arrives in the store's inbox;
// RemoveMessage(store, position): the message at that place of the inbox goes;
// RemoveStoreFolder(store): the store's messages go with their folder.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/messaging.h"

namespace lectavo::conformance {

struct MailMessage {
  std::optional<WString> senderName;
  std::optional<WString> senderAddress;
  std::optional<WString> subject;
  WString body;
};

template <class B>
class MessagingReadBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(messaging().LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
  }
  void TearDown() override {
    for (MessagingMessage* message : messages) message->Release();
    for (MessagingFolder* folder : folders) folder->Release();
    for (MessagingStore* store : stores) store->Release();
    if (session != nullptr) session->Release();
  }

  Messaging& messaging() { return backend.Role(); }

  // Every row of the table in the given columns, read one row at a time.
  std::vector<std::vector<PropValue>> Rows(MessagingTable* table,
                                           const std::vector<std::uint32_t>& columns) {
    std::vector<std::vector<PropValue>> all;
    EXPECT_TRUE(table->SetColumns(columns, 0));
    for (RowSet* rows = nullptr; table->QueryRows(1, 0, &rows) && rows != nullptr;) {
      const bool any = !rows->rows.empty();
      all.insert(all.end(), rows->rows.begin(), rows->rows.end());
      messaging().FreeProws(rows);
      if (!any) break;
    }
    table->Release();
    return all;
  }

  // The store at this position of the store table, opened by its entry id.
  MessagingStore* OpenStore(std::size_t position) {
    MessagingTable* table = nullptr;
    if (!session->GetMsgStoresTable(kMapiUnicode, &table)) return nullptr;
    const auto rows = Rows(table, {kPrEntryId});
    MessagingStore* store = nullptr;
    if (position >= rows.size() ||
        !session->OpenMsgStore(kNoHandle, rows[position][0].binary, 0, &store)) {
      return nullptr;
    }
    stores.push_back(store);
    return store;
  }

  MessagingFolder* OpenInbox(MessagingStore* store) {
    EntryId inbox;
    MessagingFolder* folder = nullptr;
    if (!store->GetReceiveFolder(nullptr, kMapiUnicode, &inbox) ||
        !store->OpenEntry(inbox, 0, &folder)) {
      return nullptr;
    }
    folders.push_back(folder);
    return folder;
  }

  // Entry ids and read flags of the inbox, in its order.
  std::vector<std::pair<EntryId, std::uint32_t>> Contents(MessagingFolder* inbox) {
    MessagingTable* table = nullptr;
    std::vector<std::pair<EntryId, std::uint32_t>> contents;
    if (!inbox->GetContentsTable(0, &table)) return contents;
    for (const auto& row : Rows(table, {kPrEntryId, kPrMessageFlags})) {
      contents.emplace_back(row.at(0).binary, row.at(1).number);
    }
    return contents;
  }

  MessagingMessage* Open(MessagingStore* store, const EntryId& id) {
    MessagingMessage* message = nullptr;
    if (!store->OpenEntry(id, 0, &message)) return nullptr;
    messages.push_back(message);
    return message;
  }

  // The message as read through the role: absent parts stay empty.
  MailMessage Read(MessagingMessage* message) {
    MailMessage read;
    std::vector<PropValue> values;
    EXPECT_TRUE(message->GetProps({kPrSenderName, kPrSenderEmailAddress, kPrSubject}, kMapiUnicode,
                                  &values));
    EXPECT_EQ(values.size(), 3u);
    std::optional<WString>* parts[] = {&read.senderName, &read.senderAddress, &read.subject};
    for (std::size_t i = 0; i < values.size() && i < 3; ++i) {
      if (PropType(values[i].tag) == kPtError) {
        EXPECT_EQ(values[i].number, kMapiENotFound);
      } else {
        *parts[i] = values[i].text;
      }
    }
    read.body = Body(message, 4096);
    return read;
  }

  WString Body(MessagingMessage* message, std::uint32_t chunk) {
    PropertyStream* stream = nullptr;
    WString body;
    if (!message->OpenProperty(kPrBody, 0, &stream)) {
      ADD_FAILURE() << "no body stream";
      return body;
    }
    std::string bytes;
    std::vector<char> buffer(chunk);
    for (std::uint32_t read = 0; stream->Read(buffer.data(), chunk, &read) && read > 0;) {
      bytes.append(buffer.data(), read);
    }
    stream->Release();
    EXPECT_EQ(bytes.size() % 2, 0u);
    body.resize(bytes.size() / 2);
    std::copy(bytes.begin(), bytes.begin() + body.size() * 2, reinterpret_cast<char*>(body.data()));
    return body;
  }

  std::uint32_t Flags(MessagingMessage* message) {
    std::vector<PropValue> values;
    EXPECT_TRUE(message->GetProps({kPrMessageFlags}, 0, &values));
    return values.empty() ? ~0u : values[0].number;
  }

  bool MarkRead(MessagingMessage* message) {
    return message->SetProps({{kPrMessageFlags, {}, {}, kMsgFlagRead}});
  }

  B backend;
  MessagingSession* session = nullptr;
  std::vector<MessagingStore*> stores;
  std::vector<MessagingFolder*> folders;
  std::vector<MessagingMessage*> messages;
};

TYPED_TEST_SUITE_P(MessagingReadBehaviourTest);

inline bool operator==(const MailMessage& a, const MailMessage& b) {
  return a.senderName == b.senderName && a.senderAddress == b.senderAddress &&
         a.subject == b.subject && a.body == b.body;
}
inline void PrintTo(const MailMessage& m, std::ostream* out) {
  const auto show = [](const std::optional<WString>& t) {
    if (!t) return std::string("none");
    std::string shown(1, '"');
    for (char16_t c : *t) shown += c < 0x80 ? static_cast<char>(c) : '?';
    shown += '"';
    return shown;
  };
  *out << "{" << show(m.senderName) << ", " << show(m.senderAddress) << ", " << show(m.subject)
       << ", body of " << m.body.size() << "}";
}

TYPED_TEST_P(MessagingReadBehaviourTest, EachStoreInboxListsItsMessagesInArrivalOrder) {
  this->backend.PutStores({u"B\u00fcro", u"Privat"});
  const std::vector<MailMessage> office = {
      {u"Anna Beispiel", u"anna@example.org", u"Termin", u"Hallo,\r\nbis morgen.\r\n"},
      {u"Bernd", u"bernd@example.org", u"$(touch /tmp/x) \u20ac", u"\u00e4\u00f6\u00fc \U0001F600"},
      {u"Carla", u"carla@example.org", u"Drei", u"3"}};
  const MailMessage home = {u"Dora", u"dora@example.org", u"Privat", u"zu Hause"};
  for (const MailMessage& message : office) this->backend.Deliver(0, message);
  this->backend.Deliver(1, home);

  MessagingStore* store = this->OpenStore(0);
  ASSERT_NE(store, nullptr);
  MessagingFolder* inbox = this->OpenInbox(store);
  ASSERT_NE(inbox, nullptr);
  const auto contents = this->Contents(inbox);
  ASSERT_EQ(contents.size(), office.size());
  for (std::size_t i = 0; i < office.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(contents[i].second, 0u) << "a delivered message is unread";
    MessagingMessage* message = this->Open(store, contents[i].first);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(this->Read(message), office[i]);
  }
  MessagingStore* other = this->OpenStore(1);
  ASSERT_NE(other, nullptr);
  const auto homeContents = this->Contents(this->OpenInbox(other));
  ASSERT_EQ(homeContents.size(), 1u);
  EXPECT_EQ(this->Read(this->Open(other, homeContents[0].first)), home);
  // An entry id names a message of its own store only.
  MessagingMessage* wrong = nullptr;
  EXPECT_FALSE(other->OpenEntry(contents[0].first, 0, &wrong));
}

// Parts a message lacks come back as error values; the body, however long, is read through
// its stream, never handed out whole.
TYPED_TEST_P(MessagingReadBehaviourTest, MissingPartsAreErrorValuesAndTheBodyIsAStream) {
  this->backend.PutStores({u"A"});
  const std::vector<MailMessage> cases = {
      {std::nullopt, std::nullopt, std::nullopt, u""},
      {std::nullopt, u"nur@adresse.example", u"", u"x"},
      {u"Name", std::nullopt, u"Lang", WString(1024 * 1024, u'a') + u"\u00df"}};
  for (const MailMessage& message : cases) this->backend.Deliver(0, message);
  MessagingStore* store = this->OpenStore(0);
  ASSERT_NE(store, nullptr);
  const auto contents = this->Contents(this->OpenInbox(store));
  ASSERT_EQ(contents.size(), cases.size());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    MessagingMessage* message = this->Open(store, contents[i].first);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(this->Read(message), cases[i]);
    std::vector<PropValue> body;
    ASSERT_TRUE(message->GetProps({kPrBody}, kMapiUnicode, &body));
    ASSERT_EQ(body.size(), 1u);
    EXPECT_EQ(PropType(body[0].tag), kPtError);
    EXPECT_EQ(body[0].number, kMapiENotEnoughMemory);
  }
  // Read in pieces of an odd size, the body is the same.
  EXPECT_EQ(this->Body(this->Open(store, contents[2].first), 1001), cases[2].body);
}

// Marked read, a message stays read: in its next opening and in the next contents table.
TYPED_TEST_P(MessagingReadBehaviourTest, AMessageMarkedReadStaysRead) {
  this->backend.PutStores({u"A"});
  this->backend.Deliver(0, {u"Eins", u"1@example.org", u"eins", u"1"});
  this->backend.Deliver(0, {u"Zwei", u"2@example.org", u"zwei", u"2"});
  MessagingStore* store = this->OpenStore(0);
  ASSERT_NE(store, nullptr);
  MessagingFolder* inbox = this->OpenInbox(store);
  const auto before = this->Contents(inbox);
  ASSERT_EQ(before.size(), 2u);
  MessagingMessage* second = this->Open(store, before[1].first);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(this->Flags(second) & kMsgFlagRead, 0u);
  EXPECT_TRUE(this->MarkRead(second));
  EXPECT_EQ(this->Flags(this->Open(store, before[1].first)) & kMsgFlagRead, kMsgFlagRead);
  const auto after = this->Contents(inbox);
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[1].first, before[1].first);
  EXPECT_EQ(after[1].second & kMsgFlagRead, kMsgFlagRead);
  // Nothing else of a received message changes.
  EXPECT_FALSE(second->SetProps({{kPrSubject, u"anders", {}, 0}}));
  EXPECT_EQ(this->Read(this->Open(store, before[1].first)).subject, u"zwei");
}

// Each contents table lists what the inbox holds when it is asked for: a message that arrives
// later is in the next one, a removed one is gone, and an inbox without a folder is empty.
TYPED_TEST_P(MessagingReadBehaviourTest, ContentsFollowDeliveriesAndRemovals) {
  this->backend.PutStores({u"A", u"B"});
  this->backend.Deliver(0, {u"Eins", std::nullopt, u"eins", u"1"});
  MessagingStore* store = this->OpenStore(0);
  ASSERT_NE(store, nullptr);
  MessagingFolder* inbox = this->OpenInbox(store);
  ASSERT_NE(inbox, nullptr);
  const auto first = this->Contents(inbox);
  ASSERT_EQ(first.size(), 1u);
  this->backend.Deliver(0, {u"Zwei", std::nullopt, u"zwei", u"2"});
  const auto second = this->Contents(inbox);
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0].first, first[0].first);

  // Removed while it is open: what was read stays readable, marking it read fails, and it is
  // neither listed nor opened again.
  MessagingMessage* opened = this->Open(store, second[0].first);
  ASSERT_NE(opened, nullptr);
  this->backend.RemoveMessage(0, 0);
  EXPECT_EQ(this->Read(opened).subject, u"eins");
  EXPECT_FALSE(this->MarkRead(opened));
  MessagingMessage* gone = nullptr;
  EXPECT_FALSE(store->OpenEntry(second[0].first, 0, &gone));
  const auto third = this->Contents(inbox);
  ASSERT_EQ(third.size(), 1u);
  EXPECT_EQ(third[0].first, second[1].first);

  this->backend.RemoveStoreFolder(0);
  EXPECT_TRUE(this->Contents(inbox).empty());
  MessagingStore* empty = this->OpenStore(1);
  ASSERT_NE(empty, nullptr);
  EXPECT_TRUE(this->Contents(this->OpenInbox(empty)).empty());
}

// Entry ids that name no store or no object of the kind asked for open nothing.
TYPED_TEST_P(MessagingReadBehaviourTest, ForeignEntryIdsOpenNothing) {
  this->backend.PutStores({u"A"});
  this->backend.Deliver(0, {u"Eins", std::nullopt, u"eins", u"1"});
  MessagingStore* store = this->OpenStore(0);
  ASSERT_NE(store, nullptr);
  MessagingStore* none = nullptr;
  EXPECT_FALSE(this->session->OpenMsgStore(kNoHandle, {9, 9, 9, 9}, 0, &none));
  EXPECT_FALSE(this->session->OpenMsgStore(kNoHandle, {}, 0, &none));
  EntryId inbox;
  ASSERT_TRUE(store->GetReceiveFolder(nullptr, kMapiUnicode, &inbox));
  const auto contents = this->Contents(this->OpenInbox(store));
  ASSERT_EQ(contents.size(), 1u);
  MessagingMessage* message = nullptr;
  MessagingFolder* folder = nullptr;
  EXPECT_FALSE(store->OpenEntry(inbox, 0, &message)) << "the inbox is no message";
  EXPECT_FALSE(store->OpenEntry(contents[0].first, 0, &folder)) << "a message is no folder";
  const EntryId cut(contents[0].first.begin(), contents[0].first.end() - 1);
  EXPECT_FALSE(store->OpenEntry(cut, 0, &message));
  EXPECT_FALSE(store->OpenEntry(EntryId{}, 0, &message));
  EXPECT_EQ(message, nullptr);
  EXPECT_EQ(folder, nullptr);
}

REGISTER_TYPED_TEST_SUITE_P(MessagingReadBehaviourTest,
                            EachStoreInboxListsItsMessagesInArrivalOrder,
                            MissingPartsAreErrorValuesAndTheBodyIsAStream,
                            AMessageMarkedReadStaysRead, ContentsFollowDeliveriesAndRemovals,
                            ForeignEntryIdsOpenNothing);

}  // namespace lectavo::conformance
