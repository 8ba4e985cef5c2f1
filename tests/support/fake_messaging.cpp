#include "tests/support/fake_messaging.h"

#include <cstdio>

namespace lectavo::fake {
namespace {

constexpr std::uint32_t kPtError = 0x000A;  // PT_ERROR

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

}  // namespace

class FakeMessaging::Table final : public MessageStoreTable {
 public:
  explicit Table(FakeMessaging& owner) : owner_(owner), stores_(owner.stores) {}

  bool SetColumns(const std::vector<std::uint32_t>& tags, std::uint32_t flags) override {
    std::string entry = "SetColumns";
    for (std::uint32_t tag : tags) entry += " " + Hex(tag);
    owner_.log.push_back(entry + " " + std::to_string(flags));
    if (owner_.faults.Fails("SetColumns")) return false;
    columns_ = tags;
    return true;
  }

  bool QueryRows(int rowCount, std::uint32_t flags, RowSet** rows) override {
    owner_.log.push_back("QueryRows " + std::to_string(rowCount) + " " + std::to_string(flags));
    if (owner_.faults.Fails("QueryRows")) return false;
    auto* set = new RowSet;
    for (int i = 0; i < rowCount && next_ < stores_.size(); ++i, ++next_) {
      const Store& store = stores_[next_];
      std::vector<PropValue> row;
      for (std::uint32_t tag : columns_) {
        PropValue value{(tag & 0xFFFF0000) | kPtError, {}, {}};
        if (tag == kPrDisplayName) value = {tag, store.displayName, {}};
        if (tag == kPrEntryId) value = {tag, {}, store.entryId};
        row.push_back(value);
      }
      set->rows.push_back(row);
    }
    owner_.rowSets_.insert(set);
    *rows = set;
    return true;
  }

  void Release() override {
    owner_.Release(this, "table");
    delete this;
  }

 private:
  FakeMessaging& owner_;
  const std::vector<Store> stores_;
  std::vector<std::uint32_t> columns_;
  std::size_t next_ = 0;
};

class FakeMessaging::Session final : public MessagingSession {
 public:
  explicit Session(FakeMessaging& owner) : owner_(owner) {}

  bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) override {
    owner_.log.push_back("GetMsgStoresTable " + Hex(flags));
    if (owner_.faults.Fails("GetMsgStoresTable")) return false;
    auto* made = new Table(owner_);
    owner_.live_.insert(made);
    *table = made;
    return true;
  }

  void Release() override {
    owner_.Release(this, "session");
    delete this;
  }

 private:
  FakeMessaging& owner_;
};

bool FakeMessaging::LogonEx(Handle window, const WChar* profile, const WChar* password,
                            std::uint32_t flags, MessagingSession** session) {
  log.push_back("LogonEx " + std::to_string(window) + (profile ? " profile" : " null") +
                (password ? " password" : " null") + " " + std::to_string(flags));
  if (faults.Fails("LogonEx")) return false;
  auto* made = new Session(*this);
  live_.insert(made);
  *session = made;
  return true;
}

void FakeMessaging::FreeProws(RowSet* rows) {
  if (rows == nullptr) return;
  log.push_back("FreeProws " + std::to_string(rows->rows.size()));
  rowSets_.erase(rows);
  delete rows;
}

void FakeMessaging::Release(const void* object, const char* what) {
  live_.erase(object);
  log.push_back(std::string("Release ") + what);
}

}  // namespace lectavo::fake
