#include <windows.h>
#include <mapix.h>

#include <vector>

#include "platform/win32/system_library.h"
#include "platform/win32/win32_roles.h"
#include "platform/win32/wide.h"

namespace lectavo {

// The calls of the device's messaging library, found in it by name.
struct Win32Messaging::Library {
  HMODULE module = nullptr;
  LPMAPILOGONEX logonEx = nullptr;
  void(WINAPI* freeProws)(LPSRowSet) = nullptr;
};

namespace {

// A row set as the page sees it, with the library's own row set that it was read from: that
// one goes back to the library when the page frees the copy.
struct LibraryRowSet final : RowSet {
  LPSRowSet read = nullptr;
};

PropValue CopyValue(const SPropValue& value) {
  PropValue copy{value.ulPropTag, {}, {}};
  if (PROP_TYPE(value.ulPropTag) == PT_UNICODE && value.Value.lpszW != nullptr) {
    const auto* text = reinterpret_cast<const WChar*>(value.Value.lpszW);
    copy.text = text;
  } else if (PROP_TYPE(value.ulPropTag) == PT_BINARY && value.Value.bin.lpb != nullptr) {
    copy.binary.assign(value.Value.bin.lpb, value.Value.bin.lpb + value.Value.bin.cb);
  }
  return copy;
}

class LibraryTable final : public MessageStoreTable {
 public:
  explicit LibraryTable(IMAPITable* table) : table_(table) {}

  bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t flags) override {
    // SPropTagArray: the count, then the tags.
    std::vector<ULONG> columns{static_cast<ULONG>(tags.size())};
    columns.insert(columns.end(), tags.begin(), tags.end());
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

class LibrarySession final : public MessagingSession {
 public:
  explicit LibrarySession(IMAPISession* session) : session_(session) {}

  bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) override {
    IMAPITable* stores = nullptr;
    if (FAILED(session_->GetMsgStoresTable(flags, &stores)) || stores == nullptr) return false;
    *table = new LibraryTable(stores);
    return true;
  }

  void Release() override {
    session_->Release();
    delete this;
  }

 private:
  IMAPISession* session_;
};

}  // namespace

Win32Messaging::Win32Messaging() : library_(new Library) {}

Win32Messaging::~Win32Messaging() {
  if (library_->module != nullptr) FreeLibrary(library_->module);
}

// Once found, the library stays bound; until then every log-on looks for it again.
bool Win32Messaging::Bind() {
  if (library_->module != nullptr) return true;
  const HMODULE module = LoadSystemLibrary(kMessagingLibrary);
  if (module == nullptr) return false;
  const auto logonEx = reinterpret_cast<LPMAPILOGONEX>(
      reinterpret_cast<void*>(GetProcAddress(module, "MAPILogonEx")));
  const auto freeProws = reinterpret_cast<void(WINAPI*)(LPSRowSet)>(
      reinterpret_cast<void*>(GetProcAddress(module, "FreeProws")));
  if (logonEx == nullptr || freeProws == nullptr) {
    FreeLibrary(module);
    return false;
  }
  *library_ = {module, logonEx, freeProws};
  return true;
}

bool Win32Messaging::LogonEx(Handle window, const WChar* profile, const WChar* password,
                             std::uint32_t flags, MessagingSession** session) {
  if (!Bind()) return false;
  IMAPISession* opened = nullptr;
  // The library takes the names as writable strings but does not write them.
  auto* profileName = const_cast<LPWSTR>(ApiChars(profile));
  auto* passwordText = const_cast<LPWSTR>(ApiChars(password));
  if (FAILED(library_->logonEx(window, profileName, passwordText, flags, &opened)) ||
      opened == nullptr) {
    return false;
  }
  *session = new LibrarySession(opened);
  return true;
}

void Win32Messaging::FreeProws(RowSet* rows) {
  auto* set = static_cast<LibraryRowSet*>(rows);
  if (set == nullptr) return;
  library_->freeProws(set->read);
  delete set;
}

}  // namespace lectavo
