#include "standins/messaging/message_store.h"

#include <mapiutil.h>

#include <cstdlib>
#include <cstring>

#include "standins/messaging/entry_ids.h"
#include "standins/messaging/mapi_objects.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/outbox.h"

namespace lectavo {
namespace {

bool IsRead(const std::wstring& path) {
  return GetFileAttributesW((path + kReadMarkEnding).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The body as UTF-16 bytes, read from the start.
class BodyStream final : public StreamCalls {
 public:
  explicit BodyStream(std::u16string body) : body_(std::move(body)) {}

  STDMETHODIMP Read(void* buffer, ULONG size, ULONG* read) override {
    if (buffer == nullptr && size != 0) return STG_E_INVALIDPOINTER;
    const std::size_t left = body_.size() * sizeof(char16_t) - next_;
    const ULONG count = static_cast<ULONG>(std::min<std::size_t>(size, left));
    std::memcpy(buffer, reinterpret_cast<const BYTE*>(body_.data()) + next_, count);
    next_ += count;
    if (read != nullptr) *read = count;
    return S_OK;
  }

 private:
  std::u16string body_;
  std::size_t next_ = 0;
};

// The message as its file was when it was opened; marking it read reaches the file's folder
// while the file is there.
class Message final : public MessageCalls {
 public:
  Message(std::wstring path, std::vector<BYTE> entryId, const std::string& bytes)
      : path_(std::move(path)), file_(messaging::ParseMessageFile(bytes)) {
    cells_.push_back({PR_ENTRYID, {}, std::move(entryId), 0});
    AddText(PR_SENDER_NAME_W, messaging::kSenderName);
    AddText(PR_SENDER_EMAIL_ADDRESS_W, messaging::kSenderAddress);
    AddText(PR_SUBJECT_W, messaging::kSubject);
    // The body can be long: as on the device, it is read through OpenProperty only.
    cells_.push_back({PROP_TAG(PT_ERROR, PROP_ID(PR_BODY_W)),
                      {},
                      {},
                      static_cast<ULONG>(MAPI_E_NOT_ENOUGH_MEMORY)});
  }

  STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG, ULONG* count, LPSPropValue* values) override {
    if (tags == nullptr || count == nullptr || values == nullptr) return MAPI_E_INVALID_PARAMETER;
    std::vector<Cell> cells = cells_;
    cells.push_back({PR_MESSAGE_FLAGS, {}, {}, IsRead(path_) ? ULONG{MSGFLAG_READ} : 0});
    return PackAnswer(cells, tags, count, values);
  }

  // Only the read flag of a received message changes.
  STDMETHODIMP SetProps(ULONG count, LPSPropValue values, LPSPropProblemArray* problems) override {
    if (values == nullptr && count != 0) return MAPI_E_INVALID_PARAMETER;
    if (problems != nullptr) *problems = nullptr;
    for (ULONG i = 0; i < count; ++i) {
      if (values[i].ulPropTag != PR_MESSAGE_FLAGS) return MAPI_E_NO_ACCESS;
    }
    for (ULONG i = 0; i < count; ++i) {
      if (GetFileAttributesW(path_.c_str()) == INVALID_FILE_ATTRIBUTES) return MAPI_E_NOT_FOUND;
      const std::wstring mark = path_ + kReadMarkEnding;
      if ((values[i].Value.l & MSGFLAG_READ) == 0) {
        DeleteFileW(mark.c_str());
        continue;
      }
      const HANDLE file = CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
      if (file == INVALID_HANDLE_VALUE) return MAPI_E_NO_ACCESS;
      CloseHandle(file);
    }
    return S_OK;
  }

  STDMETHODIMP OpenProperty(ULONG tag, LPCIID id, ULONG, ULONG flags, LPUNKNOWN* opened) override {
    if (opened == nullptr) return MAPI_E_INVALID_PARAMETER;
    if (tag != PR_BODY_W) return MAPI_E_NOT_FOUND;
    if (id == nullptr || !IsEqualIID(*id, __uuidof(IStream))) return MAPI_E_INTERFACE_NOT_SUPPORTED;
    if ((flags & (MAPI_MODIFY | MAPI_CREATE)) != 0) return MAPI_E_NO_ACCESS;
    *opened = new BodyStream(file_.body);
    return S_OK;
  }

 private:
  void AddText(ULONG tag, const char* header) {
    if (const auto value = file_.Find(header)) {
      cells_.push_back({tag, std::wstring(value->begin(), value->end()), {}, 0});
    }
  }

  std::wstring path_;
  messaging::MessageFile file_;
  std::vector<Cell> cells_;
};

class Inbox final : public FolderCalls {
 public:
  Inbox(ULONG store, std::wstring folder) : store_(store), folder_(std::move(folder)) {}

  // What is in the folder now, in arrival order; nothing when the folder is not there.
  STDMETHODIMP GetContentsTable(ULONG, LPMAPITABLE* table) override {
    if (table == nullptr) return MAPI_E_INVALID_PARAMETER;
    std::vector<std::vector<Cell>> rows;
    for (const std::wstring& name : ListMessageFiles(folder_)) {
      const ULONG flags = IsRead(folder_ + name) ? MSGFLAG_READ : 0;
      rows.push_back(
          {{PR_ENTRYID, {}, MakeEntryId(store_, std::wstring(kInboxFolder) + L"\\" + name), 0},
           {PR_MESSAGE_FLAGS, {}, {}, flags}});
    }
    *table = NewRowTable(std::move(rows));
    return S_OK;
  }

 private:
  ULONG store_;
  std::wstring folder_;
};

class Store final : public StoreCalls {
 public:
  explicit Store(const StoreRecord& store) : store_(store) {}

  // The inbox, for every message class; the explicit class is not told.
  STDMETHODIMP GetReceiveFolder(LPTSTR, ULONG, ULONG* size, LPENTRYID* id,
                                LPTSTR* explicitClass) override {
    if (size == nullptr || id == nullptr) return MAPI_E_INVALID_PARAMETER;
    if (explicitClass != nullptr) *explicitClass = nullptr;
    const std::vector<BYTE> inbox = MakeEntryId(store_.number, kInboxFolder);
    *id = static_cast<LPENTRYID>(std::malloc(inbox.size()));
    if (*id == nullptr) return MAPI_E_NOT_ENOUGH_MEMORY;
    std::memcpy(*id, inbox.data(), inbox.size());
    *size = static_cast<ULONG>(inbox.size());
    return S_OK;
  }

  // The outbox's entry id; every other property is not there.
  STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG, ULONG* count, LPSPropValue* values) override {
    if (tags == nullptr || count == nullptr || values == nullptr) return MAPI_E_INVALID_PARAMETER;
    const std::vector<Cell> cells = {
        {PR_IPM_OUTBOX_ENTRYID, {}, MakeEntryId(store_.number, kOutboxFolder), 0}};
    return PackAnswer(cells, tags, count, values);
  }

  STDMETHODIMP OpenEntry(ULONG size, LPENTRYID id, LPCIID, ULONG, ULONG* type,
                         LPUNKNOWN* opened) override {
    if (type == nullptr || opened == nullptr) return MAPI_E_INVALID_PARAMETER;
    std::wstring name;
    if (!EntryName(store_.number, size, reinterpret_cast<const BYTE*>(id), &name)) {
      return MAPI_E_INVALID_ENTRYID;
    }
    const std::wstring inbox = InboxFolder(store_.displayName);
    if (name == kInboxFolder) {
      *type = MAPI_FOLDER;
      *opened = new Inbox(store_.number, inbox);
      return S_OK;
    }
    if (name == kOutboxFolder) {
      *type = MAPI_FOLDER;
      *opened = NewOutbox(store_);
      return S_OK;
    }
    std::wstring file;
    std::string bytes;
    if (!MessageFileOf(name, kInboxFolder, &file) ||
        !ReadWholeFile(inbox + file, messaging::kMessageFileLimit, &bytes)) {
      return MAPI_E_NOT_FOUND;
    }
    *type = MAPI_MESSAGE;
    *opened = new Message(inbox + file, MakeEntryId(store_.number, name), bytes);
    return S_OK;
  }

 private:
  StoreRecord store_;
};

}  // namespace

IMsgStore* NewMessageStore(const StoreRecord& store) { return new Store(store); }

}  // namespace lectavo
