// The device's messaging library: MAPILogonEx opens a session whose message-store table lists
// the stores under kMessageStoresKey; FreeProws frees the row sets that tables hand out. The
// session's and the table's other calls answer MAPI_E_NO_SUPPORT.
#include <windows.h>
#include <mapix.h>
#include <mapiutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "standins/messaging/message_stores.h"

namespace lectavo {
namespace {

struct StoreRecord {
  std::wstring displayName;
  ULONG number;
};

// Read when a table is made, so an edit shows the next time a page opens.
std::vector<StoreRecord> ReadStores() {
  std::vector<StoreRecord> stores;
  for (ULONG number = 1;; ++number) {
    const std::wstring name = std::to_wstring(number);
    DWORD size = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kMessageStoresKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                     nullptr, &size) != ERROR_SUCCESS) {
      break;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kMessageStoresKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
      break;
    }
    text.resize(std::wcslen(text.c_str()));
    stores.push_back({text, number});
  }
  return stores;
}

// One row's values followed by the texts and bytes they point to, in one block, as the device
// hands out a row; the entry id is the store's number, 4 bytes. A column the store does not
// have comes back as an error value. Null when memory runs out.
LPSPropValue PackRow(const StoreRecord& store, const std::vector<ULONG>& columns) {
  const std::size_t nameBytes = (store.displayName.size() + 1) * sizeof(wchar_t);
  const std::size_t valueBytes = columns.size() * sizeof(SPropValue);
  std::size_t dataBytes = 0;
  for (ULONG tag : columns) {
    if (tag == PR_DISPLAY_NAME_W) dataBytes += nameBytes;
    if (tag == PR_ENTRYID) dataBytes += sizeof store.number;
  }
  auto* block =
      static_cast<BYTE*>(std::calloc(1, std::max<std::size_t>(valueBytes + dataBytes, 1)));
  if (block == nullptr) return nullptr;
  auto* values = reinterpret_cast<LPSPropValue>(block);
  BYTE* data = block + valueBytes;
  for (std::size_t column = 0; column < columns.size(); ++column) {
    SPropValue& value = values[column];
    value.ulPropTag = columns[column];
    if (columns[column] == PR_DISPLAY_NAME_W) {
      std::memcpy(data, store.displayName.c_str(), nameBytes);
      value.Value.lpszW = reinterpret_cast<LPWSTR>(data);
      data += nameBytes;
    } else if (columns[column] == PR_ENTRYID) {
      std::memcpy(data, &store.number, sizeof store.number);
      value.Value.bin = {sizeof store.number, data};
      data += sizeof store.number;
    } else {
      value.ulPropTag = PROP_TAG(PT_ERROR, PROP_ID(columns[column]));
      value.Value.err = MAPI_E_NOT_FOUND;
    }
  }
  return values;
}

// Reference counting as the device's objects do it: the last Release deletes.
template <typename Interface>
class Counted : public Interface {
 public:
  virtual ~Counted() = default;
  STDMETHODIMP QueryInterface(REFIID id, LPVOID* object) override {
    if (object == nullptr) return E_INVALIDARG;
    *object = IsEqualIID(id, __uuidof(IUnknown)) ? this : nullptr;
    if (*object == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  ULONG references_ = 1;
};

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define LECTAVO_NOT_OFFERED { return MAPI_E_NO_SUPPORT; }
class TableCalls : public Counted<IMAPITable> {
 public:
  MAPI_IMAPITABLE_METHODS(LECTAVO_NOT_OFFERED)
};
class SessionCalls : public Counted<IMAPISession> {
 public:
  MAPI_IMAPISESSION_METHODS(LECTAVO_NOT_OFFERED)
};
#undef LECTAVO_NOT_OFFERED
#pragma GCC diagnostic pop

class StoreTable final : public TableCalls {
 public:
  STDMETHODIMP SetColumns(LPSPropTagArray tags, ULONG) override {
    if (tags == nullptr) return MAPI_E_INVALID_PARAMETER;
    columns_.assign(tags->aulPropTag, tags->aulPropTag + tags->cValues);
    return S_OK;
  }

  // Up to rowCount rows from where the last call ended; none at the end of the table.
  STDMETHODIMP QueryRows(LONG rowCount, ULONG, LPSRowSet* rows) override {
    if (rows == nullptr || rowCount < 0) return MAPI_E_INVALID_PARAMETER;
    const std::size_t count = std::min(static_cast<std::size_t>(rowCount), stores_.size() - next_);
    const std::size_t setBytes = CbNewSRowSet(std::max<std::size_t>(count, 1));
    auto* set = static_cast<LPSRowSet>(std::calloc(1, setBytes));
    if (set == nullptr) return MAPI_E_NOT_ENOUGH_MEMORY;
    for (std::size_t row = 0; row < count; ++row) {
      const LPSPropValue values = PackRow(stores_[next_ + row], columns_);
      if (values == nullptr) {
        FreeProws(set);
        return MAPI_E_NOT_ENOUGH_MEMORY;
      }
      set->aRow[row] = {0, static_cast<ULONG>(columns_.size()), values};
      set->cRows = static_cast<ULONG>(row + 1);
    }
    next_ += count;
    *rows = set;
    return S_OK;
  }

 private:
  std::vector<StoreRecord> stores_ = ReadStores();
  std::vector<ULONG> columns_;
  std::size_t next_ = 0;
};

class Session final : public SessionCalls {
 public:
  // Display names are always UTF-16 here, with or without MAPI_UNICODE.
  STDMETHODIMP GetMsgStoresTable(ULONG, LPMAPITABLE* table) override {
    if (table == nullptr) return MAPI_E_INVALID_PARAMETER;
    *table = new StoreTable;
    return S_OK;
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

// What the library's calls allocate for the caller is freed here.
STDAPI_(ULONG) MAPIFreeBuffer(LPVOID buffer) {
  std::free(buffer);
  return 0;
}
