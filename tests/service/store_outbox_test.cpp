// The service's outbox on the fake messaging system: an answer sent whole, kept unsent when
// submitting fails, and not made (nothing left in the outbox) when any step before fails;
// every object released.
#include "service/store_outbox.h"

#include <gtest/gtest.h>

#include "tests/support/fake_messaging.h"

namespace lectavo {
namespace {

using Outgoing = fake::FakeMessaging::Outgoing;

class StoreOutboxTest : public ::testing::Test {
 protected:
  StoreOutboxTest() {
    messaging.stores = {{u"Büro", {1}}, {u"Privat", {2}}};
    // Longer than one piece written to the attachment's stream, and no piece like another.
    for (std::size_t i = 0; i < 150000; ++i) {
      answer.wav.push_back(static_cast<std::uint8_t>(i * 7 + i / 251));
    }
  }
  void TearDown() override { EXPECT_EQ(messaging.LiveObjects(), 0) << "every object released"; }

  const std::vector<Outgoing>& Outbox(std::size_t store) { return messaging.stores[store].outbox; }

  fake::FakeMessaging messaging;
  StoreOutbox outbox{messaging};
  OutgoingAnswer answer{u"Anna Beispiel",
                        u"anna@example.org",
                        u"chef@example.org; x@y",
                        u"AW: Termin",
                        u"Ich komme.\r\n-----Ursprüngliche Nachricht-----",
                        {}};
};

TEST_F(StoreOutboxTest, SendsTheAnswerWholeFromTheStoreOfTheMessageRead) {
  EXPECT_EQ(outbox.Send({2}, answer), Sending::kSent);
  EXPECT_TRUE(Outbox(0).empty());
  ASSERT_EQ(Outbox(1).size(), 1u);
  const Outgoing& sent = Outbox(1)[0];
  EXPECT_TRUE(sent.sent);
  EXPECT_EQ(sent.subject, answer.subject);
  EXPECT_EQ(sent.body, answer.body);
  ASSERT_EQ(sent.recipients.size(), 2u);
  EXPECT_EQ(sent.recipients[0].type, kMapiTo);
  EXPECT_EQ(sent.recipients[0].name, u"Anna Beispiel");
  EXPECT_EQ(sent.recipients[0].address, u"anna@example.org");
  EXPECT_EQ(sent.recipients[0].addressType, u"SMTP");
  EXPECT_EQ(sent.recipients[1].type, kMapiCc);
  EXPECT_EQ(sent.recipients[1].address, answer.cc) << "as typed, not split";
  ASSERT_EQ(sent.attachments.size(), 1u);
  EXPECT_EQ(sent.attachments[0].longName, u"Antwort.wav");
  EXPECT_EQ(sent.attachments[0].shortName, u"ANTWORT.WAV");
  EXPECT_EQ(sent.attachments[0].data, answer.wav);
}

TEST_F(StoreOutboxTest, AnEmptyCcAddsNoRecipientAndANamelessSenderIsNamedByTheAddress) {
  answer.cc.clear();
  answer.toName.clear();
  EXPECT_EQ(outbox.Send({1}, answer), Sending::kSent);
  ASSERT_EQ(Outbox(0).size(), 1u);
  ASSERT_EQ(Outbox(0)[0].recipients.size(), 1u);
  EXPECT_EQ(Outbox(0)[0].recipients[0].type, kMapiTo);
  EXPECT_EQ(Outbox(0)[0].recipients[0].name, u"anna@example.org");
}

// The message stays in the outbox whole, marked as not sent: when the transport refuses it,
// and when the sender has no address to send to.
TEST_F(StoreOutboxTest, KeepsTheAnswerUnsentWhenSubmittingFails) {
  messaging.faults.FailCall("SubmitMessage", 1);
  EXPECT_EQ(outbox.Send({1}, answer), Sending::kKeptUnsent);
  answer.toAddress.clear();
  EXPECT_EQ(outbox.Send({1}, answer), Sending::kKeptUnsent);
  ASSERT_EQ(Outbox(0).size(), 2u);
  for (const Outgoing& kept : Outbox(0)) {
    EXPECT_FALSE(kept.sent);
    EXPECT_EQ(kept.subject, answer.subject);
    ASSERT_EQ(kept.attachments.size(), 1u);
    EXPECT_EQ(kept.attachments[0].data, answer.wav);
  }
}

// A failure anywhere before the message is kept whole leaves nothing in the outbox, also
// where the store kept part of a message whose save failed.
TEST_F(StoreOutboxTest, MakesNothingWhenAStepBeforeTheSaveFails) {
  for (const char* step :
       {"LogonEx", "OpenMsgStore", "Store.GetProps", "OpenEntry", "CreateMessage", "SetProps",
        "ModifyRecipients", "CreateAttach", "Attach.SetProps", "Attach.OpenProperty", "Write",
        "Commit", "Attach.SaveChanges", "SaveChanges"}) {
    SCOPED_TRACE(step);
    messaging.faults.Clear();
    messaging.faults.FailAlways(step);
    EXPECT_EQ(outbox.Send({1}, answer), Sending::kNotMade);
    EXPECT_TRUE(Outbox(0).empty());
    EXPECT_EQ(messaging.LiveObjects(), 0);
  }
  messaging.faults.Clear();
  messaging.faults.FailCall("Write", messaging.faults.Calls("Write") + 3);  // the last piece
  EXPECT_EQ(outbox.Send({1}, answer), Sending::kNotMade);
  EXPECT_TRUE(Outbox(0).empty());
  EXPECT_EQ(outbox.Send({9}, answer), Sending::kNotMade) << "a store that is not there";
}

}  // namespace
}  // namespace lectavo
