#include "platform/win32/messaging_objects.h"

#include <objidl.h>

#include <algorithm>
#include <vector>

namespace lectavo {
namespace {

PropValue CopyValue(const SPropValue& value) {
  PropValue copy;
  copy.tag = value.ulPropTag;
  switch (PROP_TYPE(value.ulPropTag)) {
    case PT_UNICODE:
      if (value.Value.lpszW != nullptr)
        copy.text = reinterpret_cast<const WChar*>(value.Value.lpszW);
      break;
    case PT_BINARY:
      if (value.Value.bin.lpb != nullptr) {
        copy.binary.assign(value.Value.bin.lpb, value.Value.bin.lpb + value.Value.bin.cb);
      }
      break;
    case PT_LONG:
      copy.number = static_cast<std::uint32_t>(value.Value.l);
      break;
    case PT_ERROR:
      copy.number = static_cast<std::uint32_t>(value.Value.err);
      break;
    default:
      break;
  }
  return copy;
}

// SPropTagArray: the count, then the tags.
std::vector<ULONG> TagArray(const std::vector<std::uint32_t>& tags) {
  std::vector<ULONG> array{static_cast<ULONG>(tags.size())};
  array.insert(array.end(), tags.begin(), tags.end());
  return array;
}

LPENTRYID ApiEntryId(const EntryId& entryId) {
  return reinterpret_cast<LPENTRYID>(const_cast<std::uint8_t*>(entryId.data()));
}

// IMAPIProp::GetProps of a store or a message.
bool GetPropsOf(IMAPIProp* object, FreeBufferCall freeBuffer,
                const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                std::vector<PropValue>* values) {
  std::vector<ULONG> asked = TagArray(tags);
  ULONG count = 0;
  LPSPropValue got = nullptr;
  // Some values missing is a warning (MAPI_W_ERRORS_RETURNED), not a failure.
  if (FAILED(
          object->GetProps(reinterpret_cast<LPSPropTagArray>(asked.data()), flags, &count, &got)) ||
      got == nullptr) {
    return false;
  }
  values->clear();
  for (ULONG value = 0; value < count; ++value) values->push_back(CopyValue(got[value]));
  freeBuffer(got);
  return true;
}

class LibraryTable final : public MessagingTable {
 public:
  explicit LibraryTable(IMAPITable* table) : table_(table) {}

  bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t flags) override {
    std::vector<ULONG> columns = TagArray(tags);
    return SUCCEEDED(table_->SetColumns(reinterpret_cast<LPSPropTagArray>(columns.data()), flags));
  }

  bool QueryRows(int rowCount, std::uint32_t flags, RowSet** rows) override {
    LPSRowSet read = nullptr;
    if (FAILED(table_->QueryRows(rowCount, flags, &read)) || read == nullptr) return false;
    auto* set = new LibraryRowSet;
    set->read = read;
    for (ULONG row = 0; row < read->cRows; ++row) {
      const SRow& values = read->aRow[row];
      std::vector<PropValue>& copy = set->rows.emplace_back();
      for (ULONG value = 0; values.lpProps != nullptr && value < values.cValues; ++value) {
        copy.push_back(CopyValue(values.lpProps[value]));
      }
    }
    *rows = set;
    return true;
  }

  void Release() override {
    table_->Release();
    delete this;
  }

 private:
  IMAPITable* table_;
};

class LibraryMessage final : public MessagingMessage {
 public:
  LibraryMessage(IMessage* message, FreeBufferCall freeBuffer)
      : message_(message), freeBuffer_(freeBuffer) {}

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                std::vector<PropValue>* values) override {
    return GetPropsOf(message_, freeBuffer_, tags, flags, values);
  }

  bool SetProps(const std::vector<PropValue>& values) override {
    std::vector<SPropValue> set = ApiValues(values);
    return SUCCEEDED(message_->SetProps(static_cast<ULONG>(set.size()), set.data(), nullptr));
  }

  bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) override {
    IUnknown* opened = nullptr;
    if (FAILED(message_->OpenProperty(tag, &__uuidof(IStream), STGM_READ, flags, &opened)) ||
        opened == nullptr) {
      return false;
    }
    *stream = WrapStream(static_cast<IStream*>(opened));
    return true;
  }

  // The ADRLIST points into recipients and its own value arrays, which outlive the call.
  bool ModifyRecipients(std::uint32_t flags,
                        const std::vector<std::vector<PropValue>>& recipients) override {
    std::vector<std::vector<SPropValue>> values;
    for (const auto& recipient : recipients) values.push_back(ApiValues(recipient));
    std::vector<BYTE> list(CbNewADRLIST(std::max<std::size_t>(recipients.size(), 1)));
    auto* adrList = reinterpret_cast<LPADRLIST>(list.data());
    adrList->cEntries = static_cast<ULONG>(recipients.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      adrList->aEntries[i] = {0, static_cast<ULONG>(values[i].size()), values[i].data()};
    }
    return SUCCEEDED(message_->ModifyRecipients(flags, adrList));
  }

  bool CreateAttach(std::uint32_t flags, MessagingAttachment** attachment) override {
    ULONG number = 0;
    IAttach* made = nullptr;
    if (FAILED(message_->CreateAttach(nullptr, flags, &number, &made)) || made == nullptr) {
      return false;
    }
    *attachment = WrapAttachment(made);
    return true;
  }

  bool SaveChanges(std::uint32_t flags) override { return SUCCEEDED(message_->SaveChanges(flags)); }

  bool SubmitMessage(std::uint32_t flags) override {
    return SUCCEEDED(message_->SubmitMessage(flags));
  }

  void Release() override {
    message_->Release();
    delete this;
  }

 private:
  IMessage* message_;
  FreeBufferCall freeBuffer_;
};

class LibraryFolder final : public MessagingFolder {
 public:
  LibraryFolder(IMAPIFolder* folder, FreeBufferCall freeBuffer)
      : folder_(folder), freeBuffer_(freeBuffer) {}

  bool GetContentsTable(std::uint32_t flags, MessagingTable** table) override {
    IMAPITable* contents = nullptr;
    if (FAILED(folder_->GetContentsTable(flags, &contents)) || contents == nullptr) return false;
    *table = WrapTable(contents);
    return true;
  }

  bool CreateMessage(std::uint32_t flags, MessagingMessage** message) override {
    IMessage* made = nullptr;
    if (FAILED(folder_->CreateMessage(nullptr, flags, &made)) || made == nullptr) return false;
    *message = new LibraryMessage(made, freeBuffer_);
    return true;
  }

  // The ENTRYLIST points into messages.
  bool DeleteMessages(const std::vector<EntryId>& messages, std::uint32_t flags) override {
    std::vector<SBinary> ids;
    for (const EntryId& id : messages) {
      ids.push_back({static_cast<ULONG>(id.size()), const_cast<std::uint8_t*>(id.data())});
    }
    ENTRYLIST list{static_cast<ULONG>(ids.size()), ids.data()};
    return SUCCEEDED(folder_->DeleteMessages(&list, 0, nullptr, flags));
  }

  void Release() override {
    folder_->Release();
    delete this;
  }

 private:
  IMAPIFolder* folder_;
  FreeBufferCall freeBuffer_;
};

class LibraryStore final : public MessagingStore {
 public:
  LibraryStore(IMsgStore* store, FreeBufferCall freeBuffer)
      : store_(store), freeBuffer_(freeBuffer) {}

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                std::vector<PropValue>* values) override {
    return GetPropsOf(store_, freeBuffer_, tags, flags, values);
  }

  bool GetReceiveFolder(const WChar* messageClass, std::uint32_t flags, EntryId* entryId) override {
    ULONG size = 0;
    LPENTRYID id = nullptr;
    LPTSTR explicitClass = nullptr;
    // The library takes the class as a writable string but does not write it.
    auto* className = reinterpret_cast<LPTSTR>(const_cast<WChar*>(messageClass));
    const HRESULT result = store_->GetReceiveFolder(className, flags, &size, &id, &explicitClass);
    if (explicitClass != nullptr) freeBuffer_(explicitClass);
    if (FAILED(result) || id == nullptr) return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(id);
    entryId->assign(bytes, bytes + size);
    freeBuffer_(id);
    return true;
  }

  bool OpenEntry(const EntryId& entryId, std::uint32_t flags, MessagingFolder** folder) override {
    IUnknown* opened = Open(entryId, flags, MAPI_FOLDER);
    if (opened == nullptr) return false;
    *folder = new LibraryFolder(static_cast<IMAPIFolder*>(opened), freeBuffer_);
    return true;
  }

  bool OpenEntry(const EntryId& entryId, std::uint32_t flags, MessagingMessage** message) override {
    IUnknown* opened = Open(entryId, flags, MAPI_MESSAGE);
    if (opened == nullptr) return false;
    *message = new LibraryMessage(static_cast<IMessage*>(opened), freeBuffer_);
    return true;
  }

  void Release() override {
    store_->Release();
    delete this;
  }

 private:
  // The entry's object when it is of the kind wanted, else null and nothing kept.
  IUnknown* Open(const EntryId& entryId, std::uint32_t flags, ULONG kind) {
    ULONG type = 0;
    IUnknown* opened = nullptr;
    if (FAILED(store_->OpenEntry(static_cast<ULONG>(entryId.size()), ApiEntryId(entryId), nullptr,
                                 flags, &type, &opened)) ||
        opened == nullptr) {
      return nullptr;
    }
    if (type == kind) return opened;
    opened->Release();
    return nullptr;
  }

  IMsgStore* store_;
  FreeBufferCall freeBuffer_;
};

}  // namespace

MessagingTable* WrapTable(IMAPITable* table) { return new LibraryTable(table); }

MessagingStore* WrapStore(IMsgStore* store, FreeBufferCall freeBuffer) {
  return new LibraryStore(store, freeBuffer);
}

}  // namespace lectavo
