// The device's messaging library: MAPILogonEx opens a session whose message-store table lists
// the stores under kMessageStoresKey and which opens each store by the entry id its row gives;
// FreeProws frees the row sets that tables hand out and MAPIFreeBuffer what the other calls
// allocate. Every call not listed in README's messaging section answers MAPI_E_NO_SUPPORT.
#include <windows.h>

#include <mapix.h>

#include <cstdlib>
#include <cstring>

#include "standins/messaging/mapi_objects.h"
#include "standins/messaging/message_store.h"
#include "standins/messaging/message_stores.h"

namespace lectavo {
namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
class SessionCalls : public Counted<IMAPISession> {
 public:
  MAPI_IMAPISESSION_METHODS(LECTAVO_NOT_OFFERED)
};
#pragma GCC diagnostic pop

class Session final : public SessionCalls {
 public:
  // A store's row: its display name and, as its entry id, its number (4 bytes). Display
  // names are always UTF-16 here, with or without MAPI_UNICODE.
  STDMETHODIMP GetMsgStoresTable(ULONG, LPMAPITABLE* table) override {
    if (table == nullptr) return MAPI_E_INVALID_PARAMETER;
    std::vector<std::vector<Cell>> rows;
    for (const StoreRecord& store : ReadStores()) {
      std::vector<BYTE> id(sizeof store.number);
      std::memcpy(id.data(), &store.number, sizeof store.number);
      rows.push_back({{PR_DISPLAY_NAME_W, store.displayName, {}, 0}, {PR_ENTRYID, {}, id, 0}});
    }
    *table = NewRowTable(std::move(rows));
    return S_OK;
  }

  STDMETHODIMP OpenMsgStore(ULONG_PTR, ULONG size, LPENTRYID id, LPCIID, ULONG,
                            LPMDB* store) override {
    if (store == nullptr) return MAPI_E_INVALID_PARAMETER;
    ULONG number = 0;
    if (id == nullptr || size != sizeof number) return MAPI_E_INVALID_ENTRYID;
    std::memcpy(&number, id, sizeof number);
    for (const StoreRecord& listed : ReadStores()) {
      if (listed.number != number) continue;
      *store = NewMessageStore(listed);
      return S_OK;
    }
    return MAPI_E_NOT_FOUND;
  }
};

}  // namespace
}  // namespace lectavo

// Every log-on succeeds: the device's messaging system is always there.
HRESULT WINAPI MAPILogonEx(ULONG_PTR, LPTSTR, LPTSTR, ULONG, LPMAPISESSION* session) {
  if (session == nullptr) return MAPI_E_INVALID_PARAMETER;
  *session = new lectavo::Session;
  return S_OK;
}

STDAPI_(void) FreeProws(LPSRowSet rows) {
  if (rows == nullptr) return;
  for (ULONG row = 0; row < rows->cRows; ++row) std::free(rows->aRow[row].lpProps);
  std::free(rows);
}

STDAPI_(ULONG) MAPIFreeBuffer(LPVOID buffer) {
  std::free(buffer);
  return 0;
}
