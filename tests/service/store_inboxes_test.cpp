// The service's mail source on the fake messaging system: which stores StrAccounts chooses,
// every inbox's messages, a message's parts, marking it read, and every object released.
#include "service/store_inboxes.h"

#include <gtest/gtest.h>

#include "tests/support/fake_messaging.h"

namespace lectavo {
namespace {

TEST(ChosenNamesTest, EveryNameBeforeATabAndALastOneWithout) {
  const std::pair<WStringView, std::set<WString>> cases[] = {
      {u"", {}},
      {u"Büro\t", {u"Büro"}},
      {u"Büro\tPrivat\t", {u"Büro", u"Privat"}},
      {u"Büro\tPrivat", {u"Büro", u"Privat"}},
      {u"\t", {u""}},
  };
  for (const auto& [accounts, names] : cases) EXPECT_EQ(ChosenNames(accounts), names);
}

class StoreInboxesTest : public ::testing::Test {
 protected:
  StoreInboxesTest() {
    messaging.stores = {{u"Büro", {1}}, {u"Privat", {2}}, {u"büro", {3}}};
    messaging.Deliver(0, {u"Anna Beispiel", u"anna@example.org", u"Treffen", u"Bis morgen."});
    messaging.Deliver(1, {std::nullopt, u"bert@example.org", std::nullopt, u""});
    messaging.Deliver(0, {u"Carla", std::nullopt, u"Zwei", WString(30000, u'x')});
  }
  void TearDown() override {
    EXPECT_EQ(messaging.LiveObjects(), 0) << "every object released";
    EXPECT_EQ(messaging.UnfreedRowSets(), 0) << "every row set freed";
  }

  fake::FakeMessaging messaging;
  StoreInboxes inboxes{messaging};
};

TEST_F(StoreInboxesTest, ListsEveryInboxInArrivalOrderWithTheChosenStoresMarked) {
  const std::vector<MessageRef> refs = inboxes.Inboxes(u"Büro\t");
  ASSERT_EQ(refs.size(), 3u);
  EXPECT_EQ(refs[0].store, EntryId{1});
  EXPECT_EQ(refs[1].store, EntryId{1});
  EXPECT_EQ(refs[2].store, EntryId{2});
  EXPECT_TRUE(refs[0].chosen && refs[1].chosen) << "Büro";
  EXPECT_FALSE(refs[2].chosen) << "Privat is not chosen, nor is büro by another case";
  EXPECT_EQ(inboxes.Open(refs[0])->subject, u"Treffen");
  EXPECT_EQ(inboxes.Open(refs[1])->senderName, u"Carla");
}

TEST_F(StoreInboxesTest, ReadsThePartsAndAMissingPartIsEmpty) {
  const std::vector<MessageRef> refs = inboxes.Inboxes(u"");
  const MailMessage anna = *inboxes.Open(refs[0]);
  EXPECT_EQ(anna.senderName, u"Anna Beispiel");
  EXPECT_EQ(anna.senderAddress, u"anna@example.org");
  EXPECT_EQ(anna.body, u"Bis morgen.");
  const MailMessage bert = *inboxes.Open(refs[2]);
  EXPECT_EQ(bert.senderName, u"");
  EXPECT_EQ(bert.senderAddress, u"bert@example.org");
  EXPECT_EQ(bert.subject, u"");
  EXPECT_EQ(inboxes.Open(refs[1])->body.size(), kLongestBody + 1)
      << "a long body is read only as far as it is said, and a character more";
}

TEST_F(StoreInboxesTest, MarksAMessageReadAndNothingElse) {
  const std::vector<MessageRef> refs = inboxes.Inboxes(u"Büro\t");
  EXPECT_TRUE(inboxes.MarkRead(refs[1]));
  EXPECT_FALSE(messaging.stores[0].inbox[0].read);
  EXPECT_TRUE(messaging.stores[0].inbox[1].read);
  EXPECT_FALSE(messaging.stores[1].inbox[0].read);
}

TEST_F(StoreInboxesTest, FailuresLoseNoStoreAndLeakNothing) {
  const std::vector<MessageRef> before = inboxes.Inboxes(u"Büro\t");
  for (const char* operation :
       {"LogonEx", "GetMsgStoresTable", "OpenMsgStore", "GetReceiveFolder", "OpenEntry",
        "GetContentsTable", "QueryRows", "GetProps", "OpenProperty", "Read", "SetProps"}) {
    messaging.faults.FailAlways(operation);
    inboxes.Inboxes(u"Büro\t");
    inboxes.Open(before[0]);
    inboxes.MarkRead(before[0]);
    messaging.faults.Clear();
    EXPECT_EQ(messaging.LiveObjects(), 0) << operation;
    EXPECT_EQ(messaging.UnfreedRowSets(), 0) << operation;
  }
  EXPECT_EQ(inboxes.Inboxes(u"Büro\t").size(), before.size());
}

TEST_F(StoreInboxesTest, AMessageGoneIsNoneAndAStoreGoneIsPassedOver) {
  const std::vector<MessageRef> refs = inboxes.Inboxes(u"Büro\t");
  messaging.stores[0].inbox.erase(messaging.stores[0].inbox.begin());
  EXPECT_FALSE(inboxes.Open(refs[0]));
  EXPECT_FALSE(inboxes.MarkRead(refs[0]));
  messaging.stores.erase(messaging.stores.begin());
  EXPECT_EQ(inboxes.Inboxes(u"Büro\t").size(), 1u) << "Privat's message";
}

}  // namespace
}  // namespace lectavo
