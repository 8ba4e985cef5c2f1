#include <windows.h>

#include <mapix.h>

#include "platform/win32/messaging_objects.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_roles.h"

namespace lectavo {

// The calls of the device's messaging library, found in it by name.
struct Win32Messaging::Library {
  HMODULE module = nullptr;
  LPMAPILOGONEX logonEx = nullptr;
  void(WINAPI* freeProws)(LPSRowSet) = nullptr;
  FreeBufferCall freeBuffer = nullptr;
};

namespace {

class LibrarySession final : public MessagingSession {
 public:
  LibrarySession(IMAPISession* session, FreeBufferCall freeBuffer)
      : session_(session), freeBuffer_(freeBuffer) {}

  bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) override {
    IMAPITable* stores = nullptr;
    if (FAILED(session_->GetMsgStoresTable(flags, &stores)) || stores == nullptr) return false;
    *table = WrapTable(stores);
    return true;
  }

  bool OpenMsgStore(Handle window, const EntryId& entryId, std::uint32_t flags,
                    MessagingStore** store) override {
    IMsgStore* opened = nullptr;
    auto* id = reinterpret_cast<LPENTRYID>(const_cast<std::uint8_t*>(entryId.data()));
    if (FAILED(session_->OpenMsgStore(window, static_cast<ULONG>(entryId.size()), id, nullptr,
                                      flags, &opened)) ||
        opened == nullptr) {
      return false;
    }
    *store = WrapStore(opened, freeBuffer_);
    return true;
  }

  void Release() override {
    session_->Release();
    delete this;
  }

 private:
  IMAPISession* session_;
  FreeBufferCall freeBuffer_;
};

template <typename Call>
Call Find(HMODULE module, const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

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
  const Library found{module, Find<LPMAPILOGONEX>(module, "MAPILogonEx"),
                      Find<void(WINAPI*)(LPSRowSet)>(module, "FreeProws"),
                      Find<FreeBufferCall>(module, "MAPIFreeBuffer")};
  if (found.logonEx == nullptr || found.freeProws == nullptr || found.freeBuffer == nullptr) {
    FreeLibrary(module);
    return false;
  }
  *library_ = found;
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
  *session = new LibrarySession(opened, library_->freeBuffer);
  return true;
}

void Win32Messaging::FreeProws(RowSet* rows) {
  auto* set = static_cast<LibraryRowSet*>(rows);
  if (set == nullptr) return;
  library_->freeProws(set->read);
  delete set;
}

}  // namespace lectavo
