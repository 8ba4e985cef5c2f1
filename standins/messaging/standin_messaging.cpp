#include "standins/messaging/standin_messaging.h"

#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace lectavo {
namespace {

constexpr std::uint32_t kPropTypeMask = 0xFFFF;
constexpr std::uint32_t kPtError = 0x000A;  // a column the store does not have

struct StoreRecord {
  WString displayName;
  std::uint32_t number;
};

// Read when the table is made, so an edit shows the next time a page opens.
std::vector<StoreRecord> ReadStores() {
  std::vector<StoreRecord> stores;
  for (std::uint32_t number = 1;; ++number) {
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
    stores.push_back({WString(text.begin(), text.end()), number});
  }
  return stores;
}

class StoreTable final : public MessageStoreTable {
 public:
  bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t) override {
    columns_ = tags;
    return true;
  }

  bool QueryRows(int rowCount, std::uint32_t, RowSet** rows) override {
    auto* set = new RowSet;
    for (int i = 0; i < rowCount && next_ < stores_.size(); ++i, ++next_) {
      const StoreRecord& store = stores_[next_];
      std::vector<PropValue> row;
      for (std::uint32_t tag : columns_) {
        PropValue value{tag, {}, {}};
        if (tag == kPrDisplayName) {
          value.text = store.displayName;
        } else if (tag == kPrEntryId) {
          for (int shift = 0; shift < 32; shift += 8) {
            value.binary.push_back(static_cast<std::uint8_t>(store.number >> shift));
          }
        } else {
          value.tag = (tag & ~kPropTypeMask) | kPtError;
        }
        row.push_back(value);
      }
      set->rows.push_back(row);
    }
    *rows = set;
    return true;
  }

  void Release() override { delete this; }

 private:
  std::vector<StoreRecord> stores_ = ReadStores();
  std::vector<std::uint32_t> columns_;
  std::size_t next_ = 0;
};

class Session final : public MessagingSession {
 public:
  // Display names are always UTF-16 here, with or without MAPI_UNICODE.
  bool GetMsgStoresTable(std::uint32_t, MessageStoreTable** table) override {
    *table = new StoreTable;
    return true;
  }
  void Release() override { delete this; }
};

}  // namespace

bool StandinMessaging::LogonEx(Handle, const WChar*, const WChar*, std::uint32_t,
                               MessagingSession** session) {
  *session = new Session;
  return true;
}

void StandinMessaging::FreeProws(RowSet* rows) { delete rows; }

}  // namespace lectavo
