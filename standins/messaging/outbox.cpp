#include "standins/messaging/outbox.h"

#include <mapiutil.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "standins/messaging/entry_ids.h"
#include "standins/messaging/mapi_objects.h"
#include "standins/messaging/message_file.h"
#include "standins/messaging/new_attachment.h"

namespace lectavo {
namespace {

constexpr std::size_t kLongestAttachmentName = 100;

std::u16string Text(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

// The attachment's name as a file beside its message: what a file name cannot hold becomes
// "_", and it never ends like a message file.
std::wstring AttachmentFileName(const std::wstring& message, std::size_t number,
                                std::wstring name) {
  if (name.empty()) name = L"attachment";
  name.resize(std::min(name.size(), kLongestAttachmentName));
  for (wchar_t& c : name) {
    if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) c = L'_';
  }
  const std::wstring ending = kMessageFileEnding;
  if (name.size() >= ending.size() &&
      _wcsicmp(name.c_str() + name.size() - ending.size(), ending.c_str()) == 0) {
    name += L"_";
  }
  return message + L"." + std::to_wstring(number) + L"." + name;
}

// The folder and those above it, made where missing.
bool MakeFolder(const std::wstring& root, const std::wstring& store, const std::wstring& folder) {
  for (const std::wstring& path : {root, root + store, folder}) {
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
      return false;
    }
  }
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Every file of the message: "<name>." and whatever follows. False when one stays.
bool DeleteMessageFiles(const std::wstring& folder, const std::wstring& name) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + name + L".*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool all = true;
  do {
    const std::wstring file = found.cFileName;
    if (file.compare(0, name.size() + 1, name + L".") == 0) {
      all = DeleteFileW((folder + file).c_str()) && all;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return all;
}

struct Recipient {
  LONG type;  // MAPI_TO or MAPI_CC
  std::wstring address;
};

// A new message: what it is given stays with it until it is saved, as one message file with
// its attachments beside it; after that it is kept and can be submitted.
class NewMessage final : public MessageCalls {
 public:
  NewMessage(std::wstring folder, std::wstring name, std::vector<BYTE> entryId,
             const StoreRecord& store)
      : folder_(std::move(folder)),
        name_(std::move(name)),
        entryId_(std::move(entryId)),
        store_(store) {}

  STDMETHODIMP GetProps(LPSPropTagArray tags, ULONG, ULONG* count, LPSPropValue* values) override {
    if (tags == nullptr || count == nullptr || values == nullptr) return MAPI_E_INVALID_PARAMETER;
    return PackAnswer({{PR_ENTRYID, {}, entryId_, 0}}, tags, count, values);
  }

  STDMETHODIMP SetProps(ULONG count, LPSPropValue values, LPSPropProblemArray* problems) override {
    if (values == nullptr && count != 0) return MAPI_E_INVALID_PARAMETER;
    if (problems != nullptr) *problems = nullptr;
    for (ULONG i = 0; i < count; ++i) {
      if (values[i].ulPropTag != PR_SUBJECT_W && values[i].ulPropTag != PR_BODY_W) {
        return MAPI_E_NO_ACCESS;
      }
    }
    for (ULONG i = 0; i < count; ++i) {
      const wchar_t* text = values[i].Value.lpszW == nullptr ? L"" : values[i].Value.lpszW;
      if (values[i].ulPropTag == PR_SUBJECT_W) {
        subject_ = text;
      } else {
        body_ = text;
      }
    }
    return S_OK;
  }

  // As on the device: the list given replaces the message's recipients.
  STDMETHODIMP ModifyRecipients(ULONG flags, LPADRLIST list) override {
    if (list == nullptr || (flags & MODRECIP_ADD) == 0) return MAPI_E_INVALID_PARAMETER;
    std::vector<Recipient> recipients;
    for (ULONG i = 0; i < list->cEntries; ++i) {
      const ADRENTRY& entry = list->aEntries[i];
      if (entry.cValues == 0 || entry.rgPropVals == nullptr) continue;
      Recipient recipient{0, {}};
      for (ULONG v = 0; v < entry.cValues; ++v) {
        const SPropValue& value = entry.rgPropVals[v];
        if (value.ulPropTag == PR_RECIPIENT_TYPE) recipient.type = value.Value.l;
        if (value.ulPropTag == PR_EMAIL_ADDRESS_W && value.Value.lpszW != nullptr) {
          recipient.address = value.Value.lpszW;
        }
      }
      if (recipient.type != MAPI_TO && recipient.type != MAPI_CC) return MAPI_E_INVALID_PARAMETER;
      recipients.push_back(recipient);
    }
    recipients_ = std::move(recipients);
    return S_OK;
  }

  STDMETHODIMP CreateAttach(LPCIID, ULONG, ULONG* number, LPATTACH* attachment) override {
    if (number == nullptr || attachment == nullptr) return MAPI_E_INVALID_PARAMETER;
    *number = nextAttachment_++;
    *attachment = NewAttachment(attachments_, *number);
    return S_OK;
  }

  // A message is kept once; until then nothing of it is in the outbox.
  STDMETHODIMP SaveChanges(ULONG) override { return saved_ ? MAPI_E_NO_SUPPORT : Save(); }

  // Saves the message first if need be. The transport takes only messages whose every
  // recipient has an address; one it does not take stays in the outbox, not marked sent.
  STDMETHODIMP SubmitMessage(ULONG) override {
    if (!saved_) {
      const HRESULT result = Save();
      if (FAILED(result)) return result;
    }
    if (recipients_.empty()) return MAPI_E_NO_RECIPIENTS;
    for (const Recipient& recipient : recipients_) {
      if (recipient.address.empty()) return MAPI_E_NO_RECIPIENTS;
    }
    const HANDLE mark =
        CreateFileW((folder_ + name_ + kMessageFileEnding + kSentMarkEnding).c_str(), GENERIC_WRITE,
                    0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark == INVALID_HANDLE_VALUE) return MAPI_E_NO_ACCESS;
    CloseHandle(mark);
    return S_OK;
  }

 private:
  // The attachments first, then the message under another name, renamed when whole: a reader
  // sees the whole message or none, and a failure leaves nothing.
  HRESULT Save() {
    if (!MakeFolder(kMessageFoldersRoot, StoreFolder(store_.displayName), folder_)) {
      return MAPI_E_NO_ACCESS;
    }
    messaging::MessageFile file;
    for (const Recipient& recipient : recipients_) {
      file.headers.push_back(
          {recipient.type == MAPI_TO ? messaging::kTo : messaging::kCc, Text(recipient.address)});
    }
    if (subject_) file.headers.push_back({messaging::kSubject, Text(*subject_)});
    file.body = Text(body_);
    bool written = true;
    std::size_t number = 0;
    for (const auto& [ignored, attachment] : *attachments_) {
      const std::wstring name = AttachmentFileName(name_, ++number, attachment.name);
      file.headers.push_back({messaging::kAttachment, Text(name)});
      written = written && WriteNewFile(folder_ + name, attachment.data);
    }
    const std::wstring partial = folder_ + name_ + kPartialEnding;
    if (!written || !WriteNewFile(partial, messaging::FormatMessageFile(file)) ||
        !MoveFileExW(partial.c_str(), (folder_ + name_ + kMessageFileEnding).c_str(),
                     MOVEFILE_WRITE_THROUGH)) {
      DeleteMessageFiles(folder_, name_);
      return MAPI_E_NO_ACCESS;
    }
    saved_ = true;
    return S_OK;
  }

  std::wstring folder_;
  std::wstring name_;  // without its ending
  std::vector<BYTE> entryId_;
  StoreRecord store_;
  std::optional<std::wstring> subject_;
  std::wstring body_;
  std::vector<Recipient> recipients_;
  std::shared_ptr<SavedAttachments> attachments_ = std::make_shared<SavedAttachments>();
  ULONG nextAttachment_ = 0;
  bool saved_ = false;
};

class Outbox final : public FolderCalls {
 public:
  explicit Outbox(const StoreRecord& store)
      : store_(store), folder_(OutboxFolder(store.displayName)) {}

  STDMETHODIMP CreateMessage(LPCIID, ULONG, LPMESSAGE* message) override {
    if (message == nullptr) return MAPI_E_INVALID_PARAMETER;
    const std::wstring name = NewMessageName(folder_);
    const std::wstring entry = std::wstring(kOutboxFolder) + L"\\" + name + kMessageFileEnding;
    *message = new NewMessage(folder_, name, MakeEntryId(store_.number, entry), store_);
    return S_OK;
  }

  // Each message with its attachments and its mark; one that is not there is no failure.
  STDMETHODIMP DeleteMessages(LPENTRYLIST list, ULONG, LPMAPIPROGRESS, ULONG) override {
    if (list == nullptr || (list->lpbin == nullptr && list->cValues != 0)) {
      return MAPI_E_INVALID_PARAMETER;
    }
    std::vector<std::wstring> names;
    for (ULONG i = 0; i < list->cValues; ++i) {
      std::wstring entry;
      std::wstring file;
      if (!EntryName(store_.number, list->lpbin[i].cb, list->lpbin[i].lpb, &entry) ||
          !MessageFileOf(entry, kOutboxFolder, &file)) {
        return MAPI_E_INVALID_ENTRYID;
      }
      names.push_back(file.substr(0, file.size() - std::wstring(kMessageFileEnding).size()));
    }
    bool all = true;
    for (const std::wstring& name : names) all = DeleteMessageFiles(folder_, name) && all;
    return all ? S_OK : MAPI_E_NO_ACCESS;
  }

 private:
  StoreRecord store_;
  std::wstring folder_;
};

}  // namespace

IMAPIFolder* NewOutbox(const StoreRecord& store) { return new Outbox(store); }

}  // namespace lectavo
