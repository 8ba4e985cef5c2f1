// The fake's outboxes: messages made there, their attachments and the stream their data is
// written through, kept in the store when saved, as the device's messaging library does.
#include <algorithm>
#include <memory>

#include "tests/support/fake_messaging.h"

namespace lectavo::fake {
namespace {

using Outgoing = FakeMessaging::Outgoing;
using Attachment = FakeMessaging::Attachment;

const WString* TextOf(const std::vector<PropValue>& values, std::uint32_t tag) {
  for (const PropValue& value : values) {
    if (value.tag == tag) return &value.text;
  }
  return nullptr;
}

class WriteStream final : public PropertyStream {
 public:
  WriteStream(FakeMessaging& owner, std::vector<std::uint8_t>& data) : owner_(owner), data_(data) {}

  bool Read(void*, std::uint32_t, std::uint32_t* read) override {
    *read = 0;
    return false;
  }
  bool Write(const void* buffer, std::uint32_t size) override {
    owner_.log.push_back("Write " + std::to_string(size));
    if (owner_.faults.Fails("Write")) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    pending_.insert(pending_.end(), bytes, bytes + size);
    return true;
  }
  bool Commit() override {
    owner_.log.push_back("Commit");
    if (owner_.faults.Fails("Commit")) return false;
    data_ = pending_;
    return true;
  }
  void Release() override {
    owner_.Release(this, "stream");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  std::vector<std::uint8_t>& data_;
  std::vector<std::uint8_t> pending_;
};

class NewAttachment final : public MessagingAttachment {
 public:
  NewAttachment(FakeMessaging& owner, std::shared_ptr<std::vector<Attachment>> saved)
      : owner_(owner), saved_(std::move(saved)) {}

  bool SetProps(const std::vector<PropValue>& values) override {
    owner_.log.push_back("Attach.SetProps " + std::to_string(values.size()));
    if (owner_.faults.Fails("Attach.SetProps")) return false;
    for (const PropValue& value : values) {
      if (value.tag == kPrAttachMethod) byValue_ = value.number == kAttachByValue;
    }
    if (const WString* name = TextOf(values, kPrAttachLongFilename)) made_.longName = *name;
    if (const WString* name = TextOf(values, kPrAttachFilename)) made_.shortName = *name;
    return byValue_;
  }
  bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) override {
    owner_.log.push_back("Attach.OpenProperty " + std::to_string(flags));
    if (owner_.faults.Fails("Attach.OpenProperty") || tag != kPrAttachDataBin ||
        (flags & kMapiModify) == 0) {
      return false;
    }
    *stream = new WriteStream(owner_, made_.data);
    owner_.Made(*stream);
    return true;
  }
  bool SaveChanges(std::uint32_t) override {
    owner_.log.push_back("Attach.SaveChanges");
    if (owner_.faults.Fails("Attach.SaveChanges") || !byValue_) return false;
    saved_->push_back(made_);
    return true;
  }
  void Release() override {
    owner_.Release(this, "attachment");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  std::shared_ptr<std::vector<Attachment>> saved_;
  Attachment made_;
  bool byValue_ = false;
};

class NewMessage final : public MessagingMessage {
 public:
  NewMessage(FakeMessaging& owner, std::size_t store, EntryId entryId)
      : owner_(owner), store_(store) {
    made_.entryId = std::move(entryId);
  }

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t,
                std::vector<PropValue>* values) override {
    owner_.log.push_back("GetProps " + std::to_string(tags.size()));
    if (owner_.faults.Fails("GetProps")) return false;
    values->clear();
    for (std::uint32_t tag : tags) {
      if (tag == kPrEntryId) {
        values->push_back({tag, {}, made_.entryId, 0});
      } else {
        values->push_back({(tag & 0xFFFF0000) | kPtError, {}, {}, kMapiENotFound});
      }
    }
    return true;
  }
  bool SetProps(const std::vector<PropValue>& values) override {
    owner_.log.push_back("SetProps " + std::to_string(values.size()));
    if (owner_.faults.Fails("SetProps")) return false;
    for (const PropValue& value : values) {
      if (value.tag != kPrSubject && value.tag != kPrBody) return false;
    }
    if (const WString* subject = TextOf(values, kPrSubject)) made_.subject = *subject;
    if (const WString* body = TextOf(values, kPrBody)) made_.body = *body;
    return true;
  }
  bool OpenProperty(std::uint32_t, std::uint32_t, PropertyStream**) override { return false; }
  bool ModifyRecipients(std::uint32_t flags,
                        const std::vector<std::vector<PropValue>>& recipients) override {
    owner_.log.push_back("ModifyRecipients " + std::to_string(recipients.size()));
    if (owner_.faults.Fails("ModifyRecipients") || (flags & kModRecipAdd) == 0) return false;
    std::vector<FakeMessaging::Recipient> made;
    for (const auto& values : recipients) {
      FakeMessaging::Recipient& recipient = made.emplace_back();
      for (const PropValue& value : values) {
        if (value.tag == kPrRecipientType) recipient.type = value.number;
      }
      if (recipient.type != kMapiTo && recipient.type != kMapiCc) return false;
      if (const WString* text = TextOf(values, kPrDisplayName)) recipient.name = *text;
      if (const WString* text = TextOf(values, kPrEmailAddress)) recipient.address = *text;
      if (const WString* text = TextOf(values, kPrAddrType)) recipient.addressType = *text;
    }
    made_.recipients = std::move(made);
    return true;
  }
  bool CreateAttach(std::uint32_t, MessagingAttachment** attachment) override {
    owner_.log.push_back("CreateAttach");
    if (owner_.faults.Fails("CreateAttach")) return false;
    *attachment = new NewAttachment(owner_, attachments_);
    owner_.Made(*attachment);
    return true;
  }
  bool SaveChanges(std::uint32_t flags) override {
    owner_.log.push_back("SaveChanges " + std::to_string(flags));
    if (saved_) return false;
    if (owner_.faults.Fails("SaveChanges")) {
      Keep(made_);
      return false;
    }
    Outgoing whole = made_;
    whole.attachments = *attachments_;
    Keep(whole);
    saved_ = true;
    return true;
  }
  bool SubmitMessage(std::uint32_t) override {
    owner_.log.push_back("SubmitMessage");
    if (!saved_ && !SaveChanges(0)) return false;
    const bool addressed =
        !made_.recipients.empty() &&
        std::none_of(made_.recipients.begin(), made_.recipients.end(),
                     [](const FakeMessaging::Recipient& r) { return r.address.empty(); });
    if (owner_.faults.Fails("SubmitMessage") || !addressed) return false;
    for (Outgoing& kept : owner_.stores.at(store_).outbox) {
      if (kept.entryId == made_.entryId) kept.sent = true;
    }
    return true;
  }
  void Release() override {
    owner_.Release(this, "message");
    delete this;
  }

 private:
  void Keep(const Outgoing& message) { owner_.stores.at(store_).outbox.push_back(message); }

  FakeMessaging& owner_;
  std::size_t store_;
  Outgoing made_;
  std::shared_ptr<std::vector<Attachment>> attachments_ =
      std::make_shared<std::vector<Attachment>>();
  bool saved_ = false;
};

class Outbox final : public MessagingFolder {
 public:
  Outbox(FakeMessaging& owner, std::size_t store) : owner_(owner), store_(store) {}

  bool GetContentsTable(std::uint32_t, MessagingTable**) override { return false; }
  bool CreateMessage(std::uint32_t flags, MessagingMessage** message) override {
    owner_.log.push_back("CreateMessage " + std::to_string(flags));
    if (owner_.faults.Fails("CreateMessage")) return false;
    const std::string name = "o" + std::to_string(owner_.faults.Calls("CreateMessage"));
    *message = new NewMessage(owner_, store_, FakeMessageId(name));
    owner_.Made(*message);
    return true;
  }
  bool DeleteMessages(const std::vector<EntryId>& messages, std::uint32_t) override {
    owner_.log.push_back("DeleteMessages " + std::to_string(messages.size()));
    if (owner_.faults.Fails("DeleteMessages")) return false;
    std::erase_if(owner_.stores.at(store_).outbox, [&](const Outgoing& kept) {
      return std::find(messages.begin(), messages.end(), kept.entryId) != messages.end();
    });
    return true;
  }
  void Release() override {
    owner_.Release(this, "folder");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  std::size_t store_;
};

}  // namespace

EntryId FakeOutboxId() { return {'O', 'u', 't', 'b', 'o', 'x'}; }

MessagingFolder* NewFakeOutbox(FakeMessaging& owner, std::size_t store) {
  auto* made = new Outbox(owner, store);
  owner.Made(made);
  return made;
}

}  // namespace lectavo::fake
