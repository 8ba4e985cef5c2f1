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

// Rows are made when the table is asked for, as the device lists what is there then.
class Table final : public MessagingTable {
 public:
  Table(FakeMessaging& owner, std::vector<std::vector<PropValue>> rows)
      : owner_(owner), rows_(std::move(rows)) {}

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
    RowSet* set = owner_.NewRowSet();
    for (int i = 0; i < rowCount && next_ < rows_.size(); ++i, ++next_) {
      std::vector<PropValue> row;
      for (std::uint32_t tag : columns_) row.push_back(Column(rows_[next_], tag));
      set->rows.push_back(row);
    }
    *rows = set;
    return true;
  }

  void Release() override {
    owner_.Release(this, "table");
    delete this;
  }

 private:
  // A column the row does not have comes back as an error value.
  static PropValue Column(const std::vector<PropValue>& row, std::uint32_t tag) {
    for (const PropValue& value : row) {
      if (value.tag == tag) return value;
    }
    PropValue missing;
    missing.tag = (tag & 0xFFFF0000) | kPtError;
    missing.number = kMapiENotFound;
    return missing;
  }

  FakeMessaging& owner_;
  std::vector<std::vector<PropValue>> rows_;
  std::vector<std::uint32_t> columns_;
  std::size_t next_ = 0;
};

class Session final : public MessagingSession {
 public:
  explicit Session(FakeMessaging& owner) : owner_(owner) {}

  bool GetMsgStoresTable(std::uint32_t flags, MessageStoreTable** table) override {
    owner_.log.push_back("GetMsgStoresTable " + Hex(flags));
    if (owner_.faults.Fails("GetMsgStoresTable")) return false;
    std::vector<std::vector<PropValue>> rows;
    for (const FakeMessaging::Store& store : owner_.stores) {
      PropValue name{kPrDisplayName, store.displayName, {}, 0};
      PropValue id{kPrEntryId, {}, store.entryId, 0};
      rows.push_back({name, id});
    }
    *table = NewFakeTable(owner_, std::move(rows));
    return true;
  }

  bool OpenMsgStore(Handle window, const EntryId& entryId, std::uint32_t flags,
                    MessagingStore** store) override {
    owner_.log.push_back("OpenMsgStore " + std::to_string(window) + " " + Hex(flags));
    if (owner_.faults.Fails("OpenMsgStore")) return false;
    for (std::size_t i = 0; i < owner_.stores.size(); ++i) {
      if (owner_.stores[i].entryId != entryId) continue;
      *store = NewFakeStore(owner_, i);
      return true;
    }
    return false;
  }

  void Release() override {
    owner_.Release(this, "session");
    delete this;
  }

 private:
  FakeMessaging& owner_;
};

}  // namespace

MessagingTable* NewFakeTable(FakeMessaging& owner, std::vector<std::vector<PropValue>> rows) {
  auto* table = new Table(owner, std::move(rows));
  owner.Made(table);
  return table;
}

void FakeMessaging::Deliver(std::size_t store, Message message) {
  message.name = "m" + std::to_string(++delivered_);
  stores.at(store).inbox.push_back(std::move(message));
}

FakeMessaging::Message* FakeMessaging::Find(const EntryId& entryId) {
  for (Store& store : stores) {
    for (Message& message : store.inbox) {
      if (FakeMessageId(message.name) == entryId) return &message;
    }
  }
  return nullptr;
}

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

RowSet* FakeMessaging::NewRowSet() {
  auto* set = new RowSet;
  rowSets_.insert(set);
  return set;
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
