// The messaging role's log-on and message-store table as the Accounts page relies on them, as
// one typed test that runs against the fake natively and, under Wine, against the Win32
// adapter on the device's messaging library. Instantiate it in one source of a test program
// with a backend type B that offers
//   Messaging& Role();
//   // The device's message stores from now on, in this order; the entry id of the store at
//   // position n (from 1) is n as 4 little-endian bytes.
//   void PutStores(const std::vector<WString>& names);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/messaging.h"

namespace lectavo::conformance {

inline constexpr std::uint32_t kPrSubject = 0x0037001F;  // PR_SUBJECT, which a store lacks
inline constexpr std::uint32_t kPtError = 0x000A;        // PT_ERROR

template <class B>
class MessageStoreTableBehaviourTest : public ::testing::Test {
 protected:
  Messaging& messaging() { return backend.Role(); }

  // A session's store table, or null after a failed check.
  MessageStoreTable* OpenTable() {
    EXPECT_TRUE(messaging().LogonEx(kNoHandle, nullptr, nullptr, 0, &session));
    if (session == nullptr) return nullptr;
    MessageStoreTable* table = nullptr;
    EXPECT_TRUE(session->GetMsgStoresTable(kMapiUnicode, &table));
    return table;
  }
  // The rows of one QueryRows, freed again; each row as its columns' texts, and entry ids as
  // their bytes' numbers joined by dots.
  std::vector<std::vector<std::string>> Query(MessageStoreTable& table, int rowCount) {
    RowSet* rows = nullptr;
    EXPECT_TRUE(table.QueryRows(rowCount, 0, &rows));
    std::vector<std::vector<std::string>> read;
    if (rows == nullptr) return read;
    for (const std::vector<PropValue>& row : rows->rows) {
      std::vector<std::string>& columns = read.emplace_back();
      for (const PropValue& value : row) columns.push_back(Shown(value));
    }
    messaging().FreeProws(rows);
    return read;
  }
  static std::string Shown(const PropValue& value) {
    std::string shown;
    if ((value.tag & 0xFFFF) == kPtError) return "error";
    for (WChar c : value.text) shown += c < 0x80 ? static_cast<char>(c) : '?';
    for (std::uint8_t byte : value.binary) shown += std::to_string(byte) + ".";
    return shown;
  }
  void TearDown() override {
    if (session != nullptr) session->Release();
  }

  B backend;
  MessagingSession* session = nullptr;
};

TYPED_TEST_SUITE_P(MessageStoreTableBehaviourTest);

// Rows come in table order, as many as asked for, each call going on where the last ended;
// past the end the row set is empty, and every row set is freed.
TYPED_TEST_P(MessageStoreTableBehaviourTest, RowsComeInTableOrderInTheColumnsSet) {
  this->backend.PutStores({u"Posteingang", u"B\u00fcro", u"", WString(255, u'x'), u"SMS"});
  MessageStoreTable* table = this->OpenTable();
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(table->SetColumns({kPrDisplayName, kPrEntryId}, 0));
  using Rows = std::vector<std::vector<std::string>>;
  EXPECT_EQ(this->Query(*table, 2), (Rows{{"Posteingang", "1.0.0.0."}, {"B?ro", "2.0.0.0."}}));
  EXPECT_EQ(this->Query(*table, 0), Rows{});
  EXPECT_EQ(this->Query(*table, 2), (Rows{{"", "3.0.0.0."}, {std::string(255, 'x'), "4.0.0.0."}}));
  ASSERT_TRUE(table->SetColumns({kPrEntryId}, 0));
  EXPECT_EQ(this->Query(*table, 5), (Rows{{"5.0.0.0."}})) << "the rest, in the new columns";
  EXPECT_EQ(this->Query(*table, 1), Rows{});
  table->Release();
}

// A column a store does not have comes back as an error value in its place.
TYPED_TEST_P(MessageStoreTableBehaviourTest, ColumnTheStoresLackComesBackAsAnError) {
  this->backend.PutStores({u"Outlook"});
  MessageStoreTable* table = this->OpenTable();
  ASSERT_NE(table, nullptr);
  ASSERT_TRUE(table->SetColumns({kPrSubject, kPrDisplayName}, 0));
  RowSet* rows = nullptr;
  ASSERT_TRUE(table->QueryRows(1, 0, &rows));
  ASSERT_EQ(rows->rows.size(), 1u);
  ASSERT_EQ(rows->rows[0].size(), 2u);
  EXPECT_EQ(rows->rows[0][0].tag, (kPrSubject & 0xFFFF0000) | kPtError);
  EXPECT_EQ(rows->rows[0][1].tag, kPrDisplayName);
  EXPECT_EQ(rows->rows[0][1].text, u"Outlook");
  this->messaging().FreeProws(rows);
  this->messaging().FreeProws(nullptr);  // freeing nothing is harmless
  table->Release();
}

// A table lists the stores there were when it was made; the next table sees a change.
TYPED_TEST_P(MessageStoreTableBehaviourTest, TableKeepsTheStoresOfWhenItWasMade) {
  this->backend.PutStores({u"A", u"B"});
  MessageStoreTable* before = this->OpenTable();
  ASSERT_NE(before, nullptr);
  ASSERT_TRUE(before->SetColumns({kPrDisplayName}, 0));
  EXPECT_EQ(this->Query(*before, 1), (std::vector<std::vector<std::string>>{{"A"}}));
  this->backend.PutStores({u"C"});
  EXPECT_EQ(this->Query(*before, 5), (std::vector<std::vector<std::string>>{{"B"}}));
  MessageStoreTable* after = nullptr;
  ASSERT_TRUE(this->session->GetMsgStoresTable(kMapiUnicode, &after));
  ASSERT_TRUE(after->SetColumns({kPrDisplayName}, 0));
  EXPECT_EQ(this->Query(*after, 5), (std::vector<std::vector<std::string>>{{"C"}}));
  after->Release();
  before->Release();
}

// Each log-on is a session of its own, with tables of their own.
TYPED_TEST_P(MessageStoreTableBehaviourTest, SessionsAndTheirTablesAreIndependent) {
  this->backend.PutStores({u"A", u"B"});
  MessageStoreTable* first = this->OpenTable();
  ASSERT_NE(first, nullptr);
  MessagingSession* second = nullptr;
  ASSERT_TRUE(this->messaging().LogonEx(kNoHandle, nullptr, nullptr, 0, &second));
  MessageStoreTable* other = nullptr;
  ASSERT_TRUE(second->GetMsgStoresTable(0, &other));
  ASSERT_TRUE(first->SetColumns({kPrDisplayName}, 0));
  ASSERT_TRUE(other->SetColumns({kPrDisplayName}, 0));
  EXPECT_EQ(this->Query(*first, 1), (std::vector<std::vector<std::string>>{{"A"}}));
  EXPECT_EQ(this->Query(*other, 1), (std::vector<std::vector<std::string>>{{"A"}}));
  first->Release();
  EXPECT_EQ(this->Query(*other, 1), (std::vector<std::vector<std::string>>{{"B"}}));
  other->Release();
  second->Release();
}

REGISTER_TYPED_TEST_SUITE_P(MessageStoreTableBehaviourTest, RowsComeInTableOrderInTheColumnsSet,
                            ColumnTheStoresLackComesBackAsAnError,
                            TableKeepsTheStoresOfWhenItWasMade,
                            SessionsAndTheirTablesAreIndependent);

}  // namespace lectavo::conformance
