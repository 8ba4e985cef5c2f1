// A messaging system with a list of message stores: sessions and tables are counted while
// they live, row sets while they are not freed, and every call is logged, so a test can prove
// that each row set is freed and each object released exactly once. A table lists the stores
// there were when it was made; a column a store lacks comes back as an error value.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/messaging.h"
#include "tests/support/faults.h"

namespace lectavo::fake {

class FakeMessaging final : public Messaging {
 public:
  struct Store {
    WString displayName;
    std::vector<std::uint8_t> entryId;
  };

  // Operations: LogonEx, GetMsgStoresTable, SetColumns, QueryRows.
  Faults faults;
  // Every call in order, e.g. "LogonEx 0 null null 0", "QueryRows 1 0", "FreeProws 1" (the
  // rows it held), "Release table".
  std::vector<std::string> log;
  std::vector<Store> stores;

  // Sessions and tables not yet released, row sets not yet freed.
  int LiveObjects() const { return static_cast<int>(live_.size()); }
  int UnfreedRowSets() const { return static_cast<int>(rowSets_.size()); }

  bool LogonEx(Handle window, const WChar* profile, const WChar* password, std::uint32_t flags,
               MessagingSession** session) override;
  void FreeProws(RowSet* rows) override;

 private:
  class Session;
  class Table;
  void Release(const void* object, const char* what);

  std::set<const void*> live_;
  std::set<const RowSet*> rowSets_;
};

}  // namespace lectavo::fake
