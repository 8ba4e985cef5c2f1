#include "platform/win32/messaging_objects.h"

#include <objidl.h>

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

class LibraryStream final : public PropertyStream {
 public:
  explicit LibraryStream(IStream* stream) : stream_(stream) {}

  bool Read(void* buffer, std::uint32_t size, std::uint32_t* read) override {
    ULONG got = 0;
    const HRESULT result = stream_->Read(buffer, size, &got);
    *read = FAILED(result) ? 0 : got;
    return SUCCEEDED(result);
  }

  void Release() override {
    stream_->Release();
    delete this;
  }

 private:
  IStream* stream_;
};

class LibraryMessage final : public MessagingMessage {
 public:
  LibraryMessage(IMessage* message, FreeBufferCall freeBuffer)
      : message_(message), freeBuffer_(freeBuffer) {}

  bool GetProps(const std::vector<std::uint32_t>& tags, std::uint32_t flags,
                std::vector<PropValue>* values) override {
    std::vector<ULONG> asked = TagArray(tags);
    ULONG count = 0;
    LPSPropValue got = nullptr;
    // Some values missing is a warning (MAPI_W_ERRORS_RETURNED), not a failure.
    if (FAILED(message_->GetProps(reinterpret_cast<LPSPropTagArray>(asked.data()), flags, &count,
                                  &got)) ||
        got == nullptr) {
      return false;
    }
    values->clear();
    for (ULONG value = 0; value < count; ++value) values->push_back(CopyValue(got[value]));
    freeBuffer_(got);
    return true;
  }

  bool SetProps(const std::vector<PropValue>& values) override {
    std::vector<SPropValue> set(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      set[i].ulPropTag = values[i].tag;
      if (PROP_TYPE(values[i].tag) == PT_UNICODE) {
        set[i].Value.lpszW = reinterpret_cast<LPWSTR>(const_cast<WChar*>(values[i].text.c_str()));
      } else if (PROP_TYPE(values[i].tag) == PT_BINARY) {
        set[i].Value.bin = {static_cast<ULONG>(values[i].binary.size()),
                            const_cast<std::uint8_t*>(values[i].binary.data())};
      } else {
        set[i].Value.l = static_cast<LONG>(values[i].number);
      }
    }
    return SUCCEEDED(message_->SetProps(static_cast<ULONG>(set.size()), set.data(), nullptr));
  }

  bool OpenProperty(std::uint32_t tag, std::uint32_t flags, PropertyStream** stream) override {
    IUnknown* opened = nullptr;
    if (FAILED(message_->OpenProperty(tag, &__uuidof(IStream), STGM_READ, flags, &opened)) ||
        opened == nullptr) {
      return false;
    }
    *stream = new LibraryStream(static_cast<IStream*>(opened));
    return true;
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
  explicit LibraryFolder(IMAPIFolder* folder) : folder_(folder) {}

  bool GetContentsTable(std::uint32_t flags, MessagingTable** table) override {
    IMAPITable* contents = nullptr;
    if (FAILED(folder_->GetContentsTable(flags, &contents)) || contents == nullptr) return false;
    *table = WrapTable(contents);
    return true;
  }

  void Release() override {
    folder_->Release();
    delete this;
  }

 private:
  IMAPIFolder* folder_;
};

class LibraryStore final : public MessagingStore {
 public:
  LibraryStore(IMsgStore* store, FreeBufferCall freeBuffer)
      : store_(store), freeBuffer_(freeBuffer) {}

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
    *folder = new LibraryFolder(static_cast<IMAPIFolder*>(opened));
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
