// MapiSession against the fake messaging system: the calls exactly as the device expects
// them, and every row set freed and every object released whatever fails.
#include "config/mapi_session.h"

#include <gtest/gtest.h>

#include "tests/support/fake_messaging.h"

namespace lectavo {
namespace {

using Log = std::vector<std::string>;

fake::FakeMessaging WithStores() {
  fake::FakeMessaging messaging;
  messaging.stores = {{u"A", {1, 2}}, {u"B", {3}}};
  return messaging;
}

TEST(MapiSessionTest, ReadsOneRowAtATimeAndFreesAndReleasesEverything) {
  fake::FakeMessaging messaging = WithStores();
  MessageStoreList list = {{u"stale", {}}};
  {
    MapiSession session(messaging);
    session.Logon();
    session.ReadMessageStores(&list);
    session.Release();
    session.Release();
  }
  EXPECT_EQ(messaging.log, (Log{"LogonEx 0 null null 0", "GetMsgStoresTable 80000000",
                                "SetColumns 3001001F 0FFF0102 0", "QueryRows 1 0", "FreeProws 1",
                                "QueryRows 1 0", "FreeProws 1", "QueryRows 1 0", "FreeProws 0",
                                "Release table", "Release session"}));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].displayName, u"A");
  EXPECT_EQ(list[0].entryId, (std::vector<std::uint8_t>{1, 2}));
  EXPECT_EQ(list[1].displayName, u"B");
}

TEST(MapiSessionTest, FailuresListWhatWasReadAndLeaveNothingBehind) {
  struct Case {
    const char* operation;
    int nth;
    std::vector<WString> listed;
  };
  const Case cases[] = {
      {"LogonEx", 1, {}},   {"GetMsgStoresTable", 1, {}}, {"SetColumns", 1, {}},
      {"QueryRows", 1, {}}, {"QueryRows", 2, {u"A"}},     {"QueryRows", 3, {u"A", u"B"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.operation << " fails at call " << c.nth);
    fake::FakeMessaging messaging = WithStores();
    messaging.faults.FailCall(c.operation, c.nth);
    MessageStoreList list;
    MapiSession session(messaging);
    session.Logon();
    session.ReadMessageStores(&list);
    session.Release();
    std::vector<WString> listed;
    for (const MessageStore& store : list) listed.push_back(store.displayName);
    EXPECT_EQ(listed, c.listed);
    EXPECT_EQ(messaging.LiveObjects(), 0);
    EXPECT_EQ(messaging.UnfreedRowSets(), 0);
  }
}

TEST(MapiSessionTest, WithoutSessionReadsNothingAndTheDestructorReleasesAForgottenOne) {
  fake::FakeMessaging messaging = WithStores();
  MessageStoreList list = {{u"stale", {}}};
  MapiSession(messaging).ReadMessageStores(&list);
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(messaging.log.empty());

  MapiSession(messaging).Logon();
  EXPECT_EQ(messaging.LiveObjects(), 0);
  EXPECT_EQ(messaging.log.back(), "Release session");
}

}  // namespace
}  // namespace lectavo
