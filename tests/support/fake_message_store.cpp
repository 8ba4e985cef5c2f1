// The fake's message stores: a store's inbox, its contents table and its messages, answering
// as the device's messaging library does.
#include <algorithm>
#include <cstring>

#include "tests/support/fake_messaging.h"

namespace lectavo::fake {
namespace {

using Message = FakeMessaging::Message;

PropValue Missing(std::uint32_t tag, std::uint32_t error) {
  PropValue value;
  value.tag = (tag & 0xFFFF0000) | kPtError;
  value.number = error;
  return value;
}

PropValue Text(std::uint32_t tag, const std::optional<WString>& text) {
  if (!text) return Missing(tag, kMapiENotFound);
  return {tag, *text, {}, 0};
}

class Stream final : public PropertyStream {
 public:
  Stream(FakeMessaging& owner, const WString& text) : owner_(owner), text_(text) {}

  bool Read(void* buffer, std::uint32_t size, std::uint32_t* read) override {
    owner_.log.push_back("Read " + std::to_string(size));
    *read = 0;
    if (owner_.faults.Fails("Read")) return false;
    const std::size_t bytes = text_.size() * sizeof(WChar);
    *read = static_cast<std::uint32_t>(std::min<std::size_t>(size, bytes - next_));
    std::memcpy(buffer, reinterpret_cast<const std::uint8_t*>(text_.data()) + next_, *read);
    next_ += *read;
    return true;
  }
  bool Write(const void*, std::uint32_t) override { return false; }
  bool Commit() override { return false; }

  void Release() override {
    owner_.Release(this, "stream");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  WString text_;
  std::size_t next_ = 0;
};

// What was there when it was opened; marking it read reaches the store while it is there.
class OpenedMessage final : public MessagingMessage {
 public:
  OpenedMessage(FakeMessaging& owner, EntryId entryId, Message message)
      : owner_(owner), entryId_(std::move(entryId)), message_(std::move(message)) {}

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t,
                std::vector<PropValue>* values) override {
    owner_.log.push_back("GetProps " + std::to_string(tags.size()));
    if (owner_.faults.Fails("GetProps")) return false;
    values->clear();
    for (std::uint32_t tag : tags) values->push_back(Value(tag));
    return true;
  }

  bool SetProps(const std::vector<PropValue>& values) override {
    owner_.log.push_back("SetProps " + std::to_string(values.size()));
    if (owner_.faults.Fails("SetProps")) return false;
    Message* stored = owner_.Find(entryId_);
    const bool onlyFlags = std::all_of(values.begin(), values.end(), [](const PropValue& value) {
      return value.tag == kPrMessageFlags;
    });
    if (stored == nullptr || !onlyFlags) return false;
    for (const PropValue& value : values) stored->read = (value.number & kMsgFlagRead) != 0;
    message_.read = stored->read;
    return true;
  }

  bool OpenProperty(std::uint32_t tag, std::uint32_t, PropertyStream** stream) override {
    owner_.log.push_back("OpenProperty " + std::to_string(tag));
    if (owner_.faults.Fails("OpenProperty") || tag != kPrBody) return false;
    *stream = new Stream(owner_, message_.body);
    owner_.Made(*stream);
    return true;
  }
  // A received message is only read and marked read.
  bool ModifyRecipients(std::uint32_t, const std::vector<std::vector<PropValue>>&) override {
    return false;
  }
  bool CreateAttach(std::uint32_t, MessagingAttachment**) override { return false; }
  bool SaveChanges(std::uint32_t) override { return false; }
  bool SubmitMessage(std::uint32_t) override { return false; }

  void Release() override {
    owner_.Release(this, "message");
    delete this;
  }

 private:
  PropValue Value(std::uint32_t tag) const {
    switch (tag) {
      case kPrSenderName:
        return Text(tag, message_.senderName);
      case kPrSenderEmailAddress:
        return Text(tag, message_.senderAddress);
      case kPrSubject:
        return Text(tag, message_.subject);
      case kPrMessageFlags:
        return {tag, {}, {}, message_.read ? kMsgFlagRead : 0};
      case kPrEntryId:
        return {tag, {}, entryId_, 0};
      case kPrBody:  // too large to hand out here: read through OpenProperty
        return Missing(tag, kMapiENotEnoughMemory);
      default:
        return Missing(tag, kMapiENotFound);
    }
  }

  FakeMessaging& owner_;
  EntryId entryId_;
  Message message_;
};

class Inbox final : public MessagingFolder {
 public:
  Inbox(FakeMessaging& owner, std::size_t store) : owner_(owner), store_(store) {}

  bool GetContentsTable(std::uint32_t flags, MessagingTable** table) override {
    owner_.log.push_back("GetContentsTable " + std::to_string(flags));
    if (owner_.faults.Fails("GetContentsTable")) return false;
    std::vector<std::vector<PropValue>> rows;
    for (const Message& message : owner_.stores.at(store_).inbox) {
      PropValue id{kPrEntryId, {}, FakeMessageId(message.name), 0};
      PropValue flagsValue{kPrMessageFlags, {}, {}, message.read ? kMsgFlagRead : 0};
      rows.push_back({id, flagsValue});
    }
    *table = NewFakeTable(owner_, std::move(rows));
    return true;
  }
  bool CreateMessage(std::uint32_t, MessagingMessage**) override { return false; }
  bool DeleteMessages(const std::vector<EntryId>&, std::uint32_t) override { return false; }

  void Release() override {
    owner_.Release(this, "folder");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  std::size_t store_;
};

class Store final : public MessagingStore {
 public:
  Store(FakeMessaging& owner, std::size_t store) : owner_(owner), store_(store) {}

  bool GetReceiveFolder(const WChar*, std::uint32_t flags, EntryId* entryId) override {
    owner_.log.push_back("GetReceiveFolder " + std::to_string(flags));
    if (owner_.faults.Fails("GetReceiveFolder")) return false;
    *entryId = FakeInboxId();
    return true;
  }

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t,
                std::vector<PropValue>* values) override {
    owner_.log.push_back("Store.GetProps " + std::to_string(tags.size()));
    if (owner_.faults.Fails("Store.GetProps")) return false;
    values->clear();
    for (std::uint32_t tag : tags) {
      values->push_back(tag == kPrIpmOutboxEntryId ? PropValue{tag, {}, FakeOutboxId(), 0}
                                                   : Missing(tag, kMapiENotFound));
    }
    return true;
  }

  bool OpenEntry(const EntryId& entryId, std::uint32_t flags, MessagingFolder** folder) override {
    owner_.log.push_back("OpenEntry folder " + std::to_string(flags));
    if (owner_.faults.Fails("OpenEntry")) return false;
    if (entryId == FakeOutboxId()) {
      *folder = NewFakeOutbox(owner_, store_);
      return true;
    }
    if (entryId != FakeInboxId()) return false;
    *folder = new Inbox(owner_, store_);
    owner_.Made(*folder);
    return true;
  }

  bool OpenEntry(const EntryId& entryId, std::uint32_t flags, MessagingMessage** message) override {
    owner_.log.push_back("OpenEntry message " + std::to_string(flags));
    if (owner_.faults.Fails("OpenEntry")) return false;
    for (const Message& stored : owner_.stores.at(store_).inbox) {
      if (FakeMessageId(stored.name) != entryId) continue;
      *message = new OpenedMessage(owner_, entryId, stored);
      owner_.Made(*message);
      return true;
    }
    return false;
  }

  void Release() override {
    owner_.Release(this, "store");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  std::size_t store_;
};

}  // namespace

EntryId FakeInboxId() { return {'I', 'n', 'b', 'o', 'x'}; }

EntryId FakeMessageId(const std::string& name) {
  EntryId id{'M', ':'};
  id.insert(id.end(), name.begin(), name.end());
  return id;
}

MessagingStore* NewFakeStore(FakeMessaging& owner, std::size_t store) {
  auto* made = new Store(owner, store);
  owner.Made(made);
  return made;
}

}  // namespace lectavo::fake
