#include "service/store_outbox.h"

#include <algorithm>

#include "service/held.h"

namespace lectavo {
namespace {

// The attachment's data goes to its stream in pieces of this size.
constexpr std::size_t kWritePiece = 64 * 1024;

// PR_ADDRTYPE of an Internet address.
constexpr char16_t kSmtp[] = u"SMTP";

std::vector<PropValue> Recipient(std::uint32_t type, const WString& name, const WString& address) {
  return {{kPrRecipientType, {}, {}, type},
          {kPrDisplayName, name.empty() ? address : name, {}, 0},
          {kPrEmailAddress, address, {}, 0},
          {kPrAddrType, kSmtp, {}, 0}};
}

bool Attach(MessagingMessage& message, const std::vector<std::uint8_t>& wav) {
  MessagingAttachment* made = nullptr;
  if (!message.CreateAttach(0, &made) || made == nullptr) return false;
  const Held<MessagingAttachment> attachment(made);
  if (!attachment->SetProps({{kPrAttachMethod, {}, {}, kAttachByValue},
                             {kPrAttachLongFilename, kAnswerFileName, {}, 0},
                             {kPrAttachFilename, kAnswerShortFileName, {}, 0}})) {
    return false;
  }
  PropertyStream* opened = nullptr;
  if (!attachment->OpenProperty(kPrAttachDataBin, kMapiCreate | kMapiModify, &opened) ||
      opened == nullptr) {
    return false;
  }
  {
    const Held<PropertyStream> stream(opened);
    for (std::size_t done = 0; done < wav.size();) {
      const std::size_t piece = std::min(kWritePiece, wav.size() - done);
      if (!stream->Write(wav.data() + done, static_cast<std::uint32_t>(piece))) return false;
      done += piece;
    }
    if (!stream->Commit()) return false;
  }
  return attachment->SaveChanges(0);
}

// Everything the answer has, kept in the outbox only when the message is saved.
bool MakeWhole(MessagingMessage& message, const OutgoingAnswer& answer) {
  std::vector<std::vector<PropValue>> recipients = {
      Recipient(kMapiTo, answer.toName, answer.toAddress)};
  if (!answer.cc.empty()) recipients.push_back(Recipient(kMapiCc, answer.cc, answer.cc));
  return message.SetProps({{kPrSubject, answer.subject, {}, 0}, {kPrBody, answer.body, {}, 0}}) &&
         message.ModifyRecipients(kModRecipAdd, recipients) && Attach(message, answer.wav) &&
         message.SaveChanges(kKeepOpenReadWrite);
}

EntryId EntryIdOf(MessagingMessage& message) {
  std::vector<PropValue> values;
  if (!message.GetProps({kPrEntryId}, 0, &values) || values.empty() ||
      values[0].tag != kPrEntryId) {
    return {};
  }
  return values[0].binary;
}

Held<MessagingFolder> OpenOutbox(MessagingStore& store) {
  std::vector<PropValue> values;
  MessagingFolder* folder = nullptr;
  if (!store.GetProps({kPrIpmOutboxEntryId}, 0, &values) || values.empty() ||
      values[0].tag != kPrIpmOutboxEntryId || !store.OpenEntry(values[0].binary, 0, &folder)) {
    return nullptr;
  }
  return Held<MessagingFolder>(folder);
}

}  // namespace

Sending StoreOutbox::Send(const EntryId& store, const OutgoingAnswer& answer) {
  MessagingSession* session = nullptr;
  if (!messaging_.LogonEx(kNoHandle, nullptr, nullptr, 0, &session) || session == nullptr) {
    return Sending::kNotMade;
  }
  const Held<MessagingSession> heldSession(session);
  MessagingStore* opened = nullptr;
  if (!session->OpenMsgStore(kNoHandle, store, 0, &opened) || opened == nullptr) {
    return Sending::kNotMade;
  }
  const Held<MessagingStore> heldStore(opened);
  const Held<MessagingFolder> outbox = OpenOutbox(*opened);
  MessagingMessage* made = nullptr;
  if (outbox == nullptr || !outbox->CreateMessage(0, &made) || made == nullptr) {
    return Sending::kNotMade;
  }
  Held<MessagingMessage> message(made);
  if (!MakeWhole(*message, answer)) {
    // A store may keep part of a message whose save failed: what has an entry id goes.
    const EntryId id = EntryIdOf(*message);
    message.reset();
    if (!id.empty()) outbox->DeleteMessages({id}, 0);
    return Sending::kNotMade;
  }
  return message->SubmitMessage(0) ? Sending::kSent : Sending::kKeptUnsent;
}

}  // namespace lectavo
