// Making and sending a message through the messaging role, as one typed test that runs
// natively on the fake messaging system and under Wine on the device's messaging library
// (tests/wine/messaging): the same cases prove the fake. Instantiate it with a backend type B
// that offers Messaging& Role(); PutStores(names): these stores, each with an empty outbox;
// Kept(store): the messages the store's outbox holds, as KeptMessage values.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/messaging.h"

namespace lectavo::conformance {

struct KeptMessage {
  std::vector<std::pair<std::uint32_t, WString>> recipients;  // kind and address, in order
  std::optional<WString> subject;
  WString body;
  std::vector<std::pair<WString, std::vector<std::uint8_t>>> attachments;  // name and data
  bool sent = false;

  bool operator==(const KeptMessage&) const = default;
};

template <class B>
class MessagingSendBehaviourTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(backend.Role().LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
  }
  void TearDown() override {
    for (MessagingFolder* folder : folders) folder->Release();
    for (MessagingStore* store : stores) store->Release();
    if (session != nullptr) session->Release();
  }

  // The outbox of the store at this position of the store table.
  MessagingFolder* OpenOutbox(std::size_t position) {
    MessagingTable* table = nullptr;
    if (!session->GetMsgStoresTable(kMapiUnicode, &table)) return nullptr;
    std::vector<EntryId> ids;
    EXPECT_TRUE(table->SetColumns({kPrEntryId}, 0));
    for (RowSet* rows = nullptr; table->QueryRows(1, 0, &rows) && rows != nullptr;) {
      const bool end = rows->rows.empty();
      if (!end) ids.push_back(rows->rows[0][0].binary);
      backend.Role().FreeProws(rows);
      if (end) break;
    }
    table->Release();
    MessagingStore* store = nullptr;
    if (position >= ids.size() || !session->OpenMsgStore(kNoHandle, ids[position], 0, &store)) {
      return nullptr;
    }
    stores.push_back(store);
    std::vector<PropValue> values;
    MessagingFolder* outbox = nullptr;
    if (!store->GetProps({kPrIpmOutboxEntryId}, 0, &values) || values.size() != 1 ||
        values[0].tag != kPrIpmOutboxEntryId || !store->OpenEntry(values[0].binary, 0, &outbox)) {
      return nullptr;
    }
    folders.push_back(outbox);
    return outbox;
  }

  static std::vector<PropValue> Recipient(std::uint32_t kind, const WString& address) {
    return {{kPrRecipientType, {}, {}, kind},
            {kPrDisplayName, u"Name of " + address, {}, 0},
            {kPrEmailAddress, address, {}, 0},
            {kPrAddrType, u"SMTP", {}, 0}};
  }

  // A new message with these parts and one attachment, written in pieces of these sizes;
  // not saved.
  MessagingMessage* Make(MessagingFolder* outbox, const KeptMessage& parts,
                         const std::vector<std::uint32_t>& pieces) {
    MessagingMessage* message = nullptr;
    if (!outbox->CreateMessage(0, &message)) return nullptr;
    std::vector<std::vector<PropValue>> recipients;
    for (const auto& [kind, address] : parts.recipients) {
      recipients.push_back(Recipient(kind, address));
    }
    EXPECT_TRUE(
        message->SetProps({{kPrSubject, *parts.subject, {}, 0}, {kPrBody, parts.body, {}, 0}}));
    EXPECT_TRUE(message->ModifyRecipients(kModRecipAdd, recipients));
    for (const auto& [name, data] : parts.attachments) {
      MessagingAttachment* attachment = nullptr;
      EXPECT_TRUE(message->CreateAttach(0, &attachment));
      if (attachment == nullptr) break;
      EXPECT_TRUE(attachment->SetProps({{kPrAttachMethod, {}, {}, kAttachByValue},
                                        {kPrAttachLongFilename, name, {}, 0},
                                        {kPrAttachFilename, u"X.BIN", {}, 0}}));
      PropertyStream* stream = nullptr;
      EXPECT_TRUE(attachment->OpenProperty(kPrAttachDataBin, kMapiCreate | kMapiModify, &stream));
      std::size_t done = 0;
      for (std::size_t i = 0; stream != nullptr && done < data.size(); ++i) {
        const std::uint32_t piece = static_cast<std::uint32_t>(
            std::min<std::size_t>(pieces[i % pieces.size()], data.size() - done));
        EXPECT_TRUE(stream->Write(data.data() + done, piece));
        done += piece;
      }
      if (stream != nullptr) {
        EXPECT_TRUE(stream->Commit());
        stream->Release();
      }
      EXPECT_TRUE(attachment->SaveChanges(0));
      attachment->Release();
    }
    return message;
  }

  EntryId IdOf(MessagingMessage* message) {
    std::vector<PropValue> values;
    EXPECT_TRUE(message->GetProps({kPrEntryId}, 0, &values));
    return values.size() == 1 && values[0].tag == kPrEntryId ? values[0].binary : EntryId{};
  }

  B backend;
  MessagingSession* session = nullptr;
  std::vector<MessagingStore*> stores;
  std::vector<MessagingFolder*> folders;
};

TYPED_TEST_SUITE_P(MessagingSendBehaviourTest);

inline void PrintTo(const KeptMessage& m, std::ostream* out) {
  const auto show = [](const WString& t) {
    std::string shown;
    for (char16_t c : t) shown += c < 0x80 ? static_cast<char>(c) : '?';
    return shown;
  };
  *out << "{";
  for (const auto& [kind, address] : m.recipients) *out << kind << ":" << show(address) << " ";
  *out << "\"" << (m.subject ? show(*m.subject) : "none") << "\", body of " << m.body.size();
  for (const auto& [name, data] : m.attachments)
    *out << ", " << show(name) << " of " << data.size();
  *out << (m.sent ? ", sent}" : ", unsent}");
}

// Saved and submitted, the message is in its store's outbox whole and marked sent.
TYPED_TEST_P(MessagingSendBehaviourTest, ASubmittedMessageIsInItsStoresOutboxWholeAndSent) {
  this->backend.PutStores({u"B\u00fcro", u"Privat"});
  KeptMessage parts;
  parts.recipients = {{kMapiTo, u"anna@example.org"}, {kMapiCc, u"chef@example.org; x@y"}};
  parts.subject = u"AW: Termin \u20ac $(id)";
  parts.body = u"Ich komme.\r\n\r\n-----Urspr\u00fcngliche Nachricht-----\r\nVon: Anna";
  std::vector<std::uint8_t> wav(100001);
  for (std::size_t i = 0; i < wav.size(); ++i) wav[i] = static_cast<std::uint8_t>(i * 31 + i / 253);
  parts.attachments = {{u"Antwort.wav", wav}};
  MessagingFolder* outbox = this->OpenOutbox(1);
  ASSERT_NE(outbox, nullptr);
  MessagingMessage* message = this->Make(outbox, parts, {4096, 0, 1, 65536});
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(this->backend.Kept(1).empty()) << "nothing is kept before the save";
  EXPECT_TRUE(message->SaveChanges(kKeepOpenReadWrite));
  EXPECT_EQ(this->backend.Kept(1), std::vector<KeptMessage>{parts}) << "saved, not yet sent";
  EXPECT_TRUE(message->SubmitMessage(0));
  message->Release();
  parts.sent = true;
  EXPECT_EQ(this->backend.Kept(1), std::vector<KeptMessage>{parts});
  EXPECT_TRUE(this->backend.Kept(0).empty());
}

// A message released unsaved leaves nothing; one the transport does not take (a recipient
// without an address) stays in the outbox, unsent, until it is deleted with all it holds.
TYPED_TEST_P(MessagingSendBehaviourTest, UnsavedMessagesLeaveNothingAndRefusedOnesStayUnsent) {
  this->backend.PutStores({u"A"});
  MessagingFolder* outbox = this->OpenOutbox(0);
  ASSERT_NE(outbox, nullptr);
  KeptMessage parts;
  parts.recipients = {{kMapiTo, u""}};
  parts.subject = u"";
  parts.attachments = {{u"a.wav", {'x'}}, {u"a.wav", {}}};
  MessagingMessage* unsaved = this->Make(outbox, parts, {1});
  ASSERT_NE(unsaved, nullptr);
  const EntryId unsavedId = this->IdOf(unsaved);
  unsaved->Release();
  EXPECT_TRUE(this->backend.Kept(0).empty());
  EXPECT_TRUE(outbox->DeleteMessages({unsavedId}, 0)) << "one not there is no failure";

  MessagingMessage* refused = this->Make(outbox, parts, {1});
  ASSERT_NE(refused, nullptr);
  EXPECT_FALSE(refused->SubmitMessage(0));
  const EntryId refusedId = this->IdOf(refused);
  refused->Release();
  EXPECT_EQ(this->backend.Kept(0), std::vector<KeptMessage>{parts});
  EXPECT_TRUE(outbox->DeleteMessages({refusedId}, 0));
  EXPECT_TRUE(this->backend.Kept(0).empty());
}

REGISTER_TYPED_TEST_SUITE_P(MessagingSendBehaviourTest,
                            ASubmittedMessageIsInItsStoresOutboxWholeAndSent,
                            UnsavedMessagesLeaveNothingAndRefusedOnesStayUnsent);

}  // namespace lectavo::conformance
